#include "smoothing.h"

#include "stage_rows.h"

namespace quillane {
namespace {

void separable(const LumaPlane& luma, const LumaPlane& smooth, const LumaPlane& work,
               Kernels::HorizontalRow horizontal, Kernels::NeighbourRow vertical, Kernels::Span normalise) {
    const std::size_t samples = detail::dataSamples(luma);
    detail::writeRows(work, [&](std::int64_t y, std::int16_t* out) { horizontal(rowData(luma, y), out, samples); });
    detail::writeRows(smooth, [&](std::int64_t y, std::int16_t* out) {
        vertical(rowData(work, y - 1), rowData(work, y), rowData(work, y + 1), out, samples);
    });
    mapWholePlane(smooth, normalise);
}

}  // namespace

void smoothLuma(int type, const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
                const Kernels& kernels) {
    if (type == 0)
        smoothBinomial(lumaPlane, smoothPlane, workPlane, kernels);
    else if (type == 1)
        smoothBox(lumaPlane, smoothPlane, workPlane, kernels);
    else
        smoothCross(lumaPlane, smoothPlane, kernels);
}

void smoothBinomial(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
                    const Kernels& kernels) {
    separable(lumaPlane, smoothPlane, workPlane, kernels.binomialHorizontal, kernels.binomialVertical,
              kernels.sixteenths);
}

void smoothBox(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
               const Kernels& kernels) {
    separable(lumaPlane, smoothPlane, workPlane, kernels.boxHorizontal, kernels.boxVertical, kernels.ninths);
}

void smoothCross(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const Kernels& kernels) {
    const std::size_t samples = detail::dataSamples(lumaPlane);
    detail::writeRows(smoothPlane, [&](std::int64_t y, std::int16_t* out) {
        kernels.crossSmooth(rowData(lumaPlane, y - 1), rowData(lumaPlane, y), rowData(lumaPlane, y + 1), out, samples);
    });
}

}  // namespace quillane
