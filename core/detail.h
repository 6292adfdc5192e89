#pragma once

#include <cstdint>

#include "kernels.h"
#include "luma_plane.h"

namespace quillane {

// detailPlane := lumaPlane - smoothPlane.
void computeDetail(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& detailPlane,
                   const Kernels& kernels = activeKernels());
// workPlane := thirdsScale(crossTrimmedSum(detail cross), 5): about 4/3 of the trimmed sum.
void refineDetail(const LumaPlane& detailPlane, const LumaPlane& workPlane, const Kernels& kernels = activeKernels());
// Clears every sample of workPlane whose magnitude is not above threshold4.
void coreDetail(const LumaPlane& workPlane, std::int32_t threshold4, const Kernels& kernels = activeKernels());
// workPlane := (sample * strength, low 16 bits) >> 5.
void scaleDetail(const LumaPlane& workPlane, std::int32_t strength, const Kernels& kernels = activeKernels());
// detailPlane := clamp(smoothPlane + workPlane, 0, 255).
void recombineLuma(const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                   const Kernels& kernels = activeKernels());

}  // namespace quillane
