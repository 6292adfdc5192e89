#pragma once

#include "filter_settings.h"
#include "frame_view.h"
#include "kernels.h"
#include "luma_plane.h"

namespace quillane {

// Cleans the luma of one frame in place, or writes the intermediate plane that
// settings.debug (1..5) selects. The planes must be made for the frame's width
// and height; the settings must have passed settingsError.
void processFrame(const FrameView& frame, const FilterSettings& settings, const LumaPlane& lumaPlane,
                  const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                  const Kernels& kernels = activeKernels());

inline void processFrame(const FrameView& frame, const FilterSettings& settings, const PlaneSet& planes,
                         const Kernels& kernels = activeKernels()) {
    processFrame(frame, settings, planes.lumaPlane, planes.smoothPlane, planes.workPlane, planes.detailPlane, kernels);
}

}  // namespace quillane
