#pragma once

#include "filter_settings.h"
#include "frame_view.h"
#include "kernels.h"
#include "luma_plane.h"

namespace quillane {

// Cleans the luma of one frame in place, or writes the intermediate plane that
// settings.debug (1..5) selects. The planes must be made for the frame's width
// and height; the settings must have passed settingsError.
//
// Every stage runs row by row as soon as the rows it reads exist, so each row
// is still in cache when the next stage reads it. Only the first three rows
// of each plane serve as scratch; the planes are left without meaning.
void processFrame(const FrameView& frame, const FilterSettings& settings, const LumaPlane& lumaPlane,
                  const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                  const Kernels& kernels = activeKernels());

// The same frame computed one whole-plane stage after another, leaving each
// plane with the content the stage functions give it: the reference the
// row-by-row pass is checked against.
void processFrameByStage(const FrameView& frame, const FilterSettings& settings, const LumaPlane& lumaPlane,
                         const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                         const Kernels& kernels = activeKernels());

// The same for the luma plane of planar video: exactly what processFrame gives
// the same luma in a YUY2 frame, without repacking it.
void processPlanarLuma(const PlanarLumaView& luma, const FilterSettings& settings, const LumaPlane& lumaPlane,
                       const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                       const Kernels& kernels = activeKernels());

inline void processPlanarLuma(const PlanarLumaView& luma, const FilterSettings& settings, const PlaneSet& planes,
                              const Kernels& kernels = activeKernels()) {
    processPlanarLuma(luma, settings, planes.lumaPlane, planes.smoothPlane, planes.workPlane, planes.detailPlane,
                      kernels);
}

inline void processFrame(const FrameView& frame, const FilterSettings& settings, const PlaneSet& planes,
                         const Kernels& kernels = activeKernels()) {
    processFrame(frame, settings, planes.lumaPlane, planes.smoothPlane, planes.workPlane, planes.detailPlane, kernels);
}

inline void processFrameByStage(const FrameView& frame, const FilterSettings& settings, const PlaneSet& planes,
                                const Kernels& kernels = activeKernels()) {
    processFrameByStage(frame, settings, planes.lumaPlane, planes.smoothPlane, planes.workPlane, planes.detailPlane,
                        kernels);
}

}  // namespace quillane
