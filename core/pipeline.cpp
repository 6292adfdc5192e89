#include "pipeline.h"

#include "detail.h"
#include "plane_transfer.h"
#include "smoothing.h"

namespace quillane {

void processFrameByStage(const FrameView& frame, const FilterSettings& settings, const LumaPlane& lumaPlane,
                         const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                         const Kernels& kernels) {
    // Without a data block nothing reaches the frame.
    if (lumaPlane.blocks == 0) return;
    const std::int32_t debug = settings.debug;

    loadLuma(frame, lumaPlane, kernels);
    smoothLuma(settings.type, lumaPlane, smoothPlane, workPlane, kernels);
    if (debug == 1) return storeLuma(smoothPlane, frame, StoreEncoding::AsIs, kernels);

    computeDetail(lumaPlane, smoothPlane, detailPlane, kernels);
    if (debug == 2) return storeLuma(detailPlane, frame, StoreEncoding::Plus128, kernels);

    refineDetail(detailPlane, workPlane, kernels);
    if (debug == 3) return storeLuma(workPlane, frame, StoreEncoding::QuarterPlus128, kernels);

    coreDetail(workPlane, settings.threshold4, kernels);
    if (debug == 4) return storeLuma(workPlane, frame, StoreEncoding::QuarterPlus128, kernels);

    scaleDetail(workPlane, settings.strength, kernels);
    if (debug == 5) return storeLuma(workPlane, frame, StoreEncoding::Plus128, kernels);

    recombineLuma(smoothPlane, workPlane, detailPlane, kernels);
    storeLuma(detailPlane, frame, StoreEncoding::AsIs, kernels);
}

}  // namespace quillane
