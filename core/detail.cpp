#include "detail.h"

#include "stage_rows.h"

namespace quillane {
namespace {

using detail::laneValue;

void pairStage(const LumaPlane& a, const LumaPlane& b, const LumaPlane& out, Kernels::PairRow row) {
    const std::size_t samples = detail::dataSamples(out);
    detail::writeRows(out, [&](std::int64_t y, std::int16_t* dst) { row(rowData(a, y), rowData(b, y), dst, samples); });
}

}  // namespace

void computeDetail(const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& detailPlane,
                   const Kernels& kernels) {
    pairStage(lumaPlane, smoothPlane, detailPlane, kernels.difference);
}

void refineDetail(const LumaPlane& detailPlane, const LumaPlane& workPlane, const Kernels& kernels) {
    const std::size_t samples = detail::dataSamples(workPlane);
    detail::writeRows(workPlane, [&](std::int64_t y, std::int16_t* out) {
        kernels.crossRefine(rowData(detailPlane, y - 1), rowData(detailPlane, y), rowData(detailPlane, y + 1), out,
                            samples);
    });
}

void coreDetail(const LumaPlane& workPlane, std::int32_t threshold4, const Kernels& kernels) {
    mapWholePlane(workPlane, [&](std::int16_t* s, std::size_t n) { kernels.core(s, n, laneValue(threshold4)); });
}

void scaleDetail(const LumaPlane& workPlane, std::int32_t strength, const Kernels& kernels) {
    mapWholePlane(workPlane, [&](std::int16_t* s, std::size_t n) { kernels.scale(s, n, laneValue(strength)); });
}

void recombineLuma(const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                   const Kernels& kernels) {
    pairStage(smoothPlane, workPlane, detailPlane, kernels.recombine);
}

}  // namespace quillane
