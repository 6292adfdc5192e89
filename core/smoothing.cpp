#include "smoothing.h"

#include "stage_rows.h"

namespace quillane {
namespace {

void separable(const LumaPlane& luma, const LumaPlane& smooth, const LumaPlane& work, const SmoothingRows& rows) {
    const std::size_t samples = detail::dataSamples(luma);
    detail::writeRows(work, [&](std::int64_t y, std::int16_t* out) { rows.horizontal(rowData(luma, y), out, samples); });
    detail::writeRows(smooth, [&](std::int64_t y, std::int16_t* out) {
        rows.vertical(rowData(work, y - 1), rowData(work, y), rowData(work, y + 1), out, samples);
    });
    mapWholePlane(smooth, rows.normalise);
}

}  // namespace

SmoothingRows smoothingRows(int type, const Kernels& kernels) {
    if (type == 0)
        return {kernels.binomialHorizontal, kernels.binomialVertical, kernels.sixteenths, kernels.binomialSmoothDetail};
    if (type == 1) return {kernels.boxHorizontal, kernels.boxVertical, kernels.ninths, kernels.boxSmoothDetail};
    return {nullptr, kernels.crossSmooth, nullptr, kernels.crossSmoothDetail};
}

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
    separable(lumaPlane, smoothPlane, workPlane, smoothingRows(0, kernels));
}

void smoothBox(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
               const Kernels& kernels) {
    separable(lumaPlane, smoothPlane, workPlane, smoothingRows(1, kernels));
}

void smoothCross(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const Kernels& kernels) {
    const std::size_t samples = detail::dataSamples(lumaPlane);
    const SmoothingRows rows = smoothingRows(2, kernels);
    detail::writeRows(smoothPlane, [&](std::int64_t y, std::int16_t* out) {
        rows.vertical(rowData(lumaPlane, y - 1), rowData(lumaPlane, y), rowData(lumaPlane, y + 1), out, samples);
    });
}

}  // namespace quillane
