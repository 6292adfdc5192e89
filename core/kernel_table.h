#pragma once

// Builds the table of one lane type; included by each ISA file only.

#include "kernels.h"
#include "row_kernels.h"

namespace quillane {
namespace {

template <class L>
constexpr Kernels makeKernels(Isa isa) {
    return Kernels{
        isa,
        {&loadRow<L, PackedLuma>, &storeRow<L, PackedLuma>, &refineToFrameRow<L, PackedLuma>},
        {&loadRow<L, PlanarLuma>, &storeRow<L, PlanarLuma>, &refineToFrameRow<L, PlanarLuma>},
        &binomialHorizontalRow<L>,
        &boxHorizontalRow<L>,
        &binomialVerticalRow<L>,
        &boxVerticalRow<L>,
        &crossRow<L, 7>,
        &crossRow<L, 5>,
        &differenceRow<L>,
        &recombineRow<L>,
        &sixteenthsSpan<L>,
        &ninthsSpan<L>,
        &coreSpan<L>,
        &scaleSpan<L>,
        &smoothDetailRow<L, 0>,
        &smoothDetailRow<L, 1>,
        &smoothDetailRow<L, 2>,
    };
}

}  // namespace
}  // namespace quillane
