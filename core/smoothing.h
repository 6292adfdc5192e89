#pragma once

#include "kernels.h"
#include "luma_plane.h"

namespace quillane {

// The row functions of one smoothing type. Types 0 and 1 are separable: a
// horizontal pass, a vertical pass over it, then a per-sample normalisation.
// The cross (any other type) is one neighbour pass over the luma.
struct SmoothingRows {
    Kernels::HorizontalRow horizontal = nullptr;  // null for the cross
    Kernels::NeighbourRow vertical = nullptr;
    Kernels::Span normalise = nullptr;  // null for the cross
    Kernels::SmoothDetail smoothDetail = nullptr;  // vertical, normalise and difference fused
};
SmoothingRows smoothingRows(int type, const Kernels& kernels);

// type 0: binomial, 1: box, anything else: cross trimmed mean.
void smoothLuma(int type, const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
                const Kernels& kernels = activeKernels());

// (1 2 1) x (1 2 1) / 16, truncated; workPlane holds the horizontal pass.
void smoothBinomial(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
                    const Kernels& kernels = activeKernels());
// (1 1 1) x (1 1 1) / 9, rounded; workPlane holds the horizontal pass.
void smoothBox(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
               const Kernels& kernels = activeKernels());
// Mean of the middle three of the five-sample cross, rounded.
void smoothCross(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const Kernels& kernels = activeKernels());

}  // namespace quillane
