// processFrame: the stages of pipeline.cpp run row by row. Row t is loaded at
// step t, smoothed and differenced at step t + 1 (it needs row t + 1) and
// refined, recombined and stored at step t + 2 (it needs the detail of row
// t + 1), so every row a stage reads was written moments before and is still
// in cache, and a plane never holds more than three live rows.

#include "pipeline.h"
#include "smoothing.h"
#include "stage_rows.h"

namespace quillane {
namespace {

// The stage whose row reaches the frame, in pipeline order.
enum class Shown { Smooth = 1, Detail, Refined, Cored, Scaled, Output };

Shown shownStage(std::int32_t debug) { return debug >= 1 && debug <= 5 ? static_cast<Shown>(debug) : Shown::Output; }

// Three rows of a plane used in turn: image row y lives in plane row
// y mod 3 - 1. Rows beyond the image read the edge row, as guard rows would.
class RowRing {
public:
    RowRing(const LumaPlane& plane, std::int64_t height) : plane_(plane), height_(height) {}

    std::int16_t* operator[](std::int64_t y) const { return rowData(plane_, slot(y)); }
    // Gives a row read sideways its guard blocks.
    void finish(std::int64_t y) const { fillGuardBlocks(plane_, slot(y)); }

private:
    std::int64_t slot(std::int64_t y) const { return (y < 0 ? 0 : (y >= height_ ? height_ - 1 : y)) % 3 - 1; }

    const LumaPlane& plane_;
    std::int64_t height_;
};

class RowPass {
public:
    // The frame's rows start `pitch` bytes apart at `rows`; `access` reads and writes their luma.
    RowPass(std::uint8_t* rows, std::int32_t pitch, const Kernels::FrameRows& access, const FilterSettings& settings,
            const LumaPlane& lumaPlane, const LumaPlane& smoothPlane, const LumaPlane& workPlane,
            const LumaPlane& detailPlane, const Kernels& kernels)
        : rows_(rows), pitch_(pitch), access_(access), kernels_(kernels), smoothing_(smoothingRows(settings.type, kernels)),
          shown_(shownStage(settings.debug)), threshold_(detail::laneValue(settings.threshold4)),
          strength_(detail::laneValue(settings.strength)), height_(lumaPlane.height),
          samples_(detail::dataSamples(lumaPlane)), luma_(lumaPlane, height_), smooth_(smoothPlane, height_),
          work_(workPlane, height_), detail_(detailPlane, height_) {}

    void run() {
        for (std::int64_t t = 0; t < height_ + 2; ++t) {
            if (t < height_) load(t);
            if (t >= 1 && t - 1 < height_) smoothAndDifference(t - 1);
            if (shown_ >= Shown::Refined && t >= 2) refineAndStore(t - 2);
        }
    }

private:
    void load(std::int64_t y) {
        access_.load(frameRow(y), luma_[y], samples_);
        luma_.finish(y);
        if (smoothing_.horizontal) smoothing_.horizontal(luma_[y], work_[y], samples_);
    }

    void smoothAndDifference(std::int64_t y) {
        const RowRing& source = smoothing_.horizontal ? work_ : luma_;
        smoothing_.smoothDetail(source[y - 1], source[y], source[y + 1], luma_[y], smooth_[y], detail_[y], samples_);
        detail_.finish(y);
        if (shown_ == Shown::Smooth) store(smooth_[y], y, StoreEncoding::AsIs);
        if (shown_ == Shown::Detail) store(detail_[y], y, StoreEncoding::Plus128);
    }

    void refineAndStore(std::int64_t y) {
        if (shown_ == Shown::Output)
            return access_.refineToFrame(detail_[y - 1], detail_[y], detail_[y + 1], smooth_[y], frameRow(y),
                                         samples_, threshold_, strength_);

        // The horizontal row in this slot was last read by the smoothing of row y + 1.
        std::int16_t* refined = work_[y];
        kernels_.crossRefine(detail_[y - 1], detail_[y], detail_[y + 1], refined, samples_);
        if (shown_ == Shown::Refined) return store(refined, y, StoreEncoding::QuarterPlus128);
        kernels_.core(refined, samples_, threshold_);
        if (shown_ == Shown::Cored) return store(refined, y, StoreEncoding::QuarterPlus128);
        kernels_.scale(refined, samples_, strength_);
        store(refined, y, StoreEncoding::Plus128);
    }

    void store(const std::int16_t* row, std::int64_t y, StoreEncoding encoding) {
        access_.store(row, frameRow(y), samples_, encoding);
    }

    std::uint8_t* frameRow(std::int64_t y) const { return rows_ + static_cast<std::ptrdiff_t>(y) * pitch_; }

    std::uint8_t* const rows_;
    const std::int32_t pitch_;
    const Kernels::FrameRows& access_;
    const Kernels& kernels_;
    const SmoothingRows smoothing_;
    const Shown shown_;
    const std::int16_t threshold_, strength_;
    const std::int64_t height_;
    const std::size_t samples_;
    const RowRing luma_, smooth_, work_, detail_;
};

}  // namespace

void processFrame(const FrameView& frame, const FilterSettings& settings, const LumaPlane& lumaPlane,
                  const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                  const Kernels& kernels) {
    // Without a data block nothing reaches the frame.
    if (lumaPlane.blocks == 0) return;
    RowPass(frame.writePtr, frame.pitch, kernels.packed, settings, lumaPlane, smoothPlane, workPlane, detailPlane,
            kernels)
        .run();
}

void processPlanarLuma(const PlanarLumaView& luma, const FilterSettings& settings, const LumaPlane& lumaPlane,
                       const LumaPlane& smoothPlane, const LumaPlane& workPlane, const LumaPlane& detailPlane,
                       const Kernels& kernels) {
    if (lumaPlane.blocks == 0) return;
    RowPass(luma.data, luma.pitch, kernels.planar, settings, lumaPlane, smoothPlane, workPlane, detailPlane, kernels)
        .run();
}

}  // namespace quillane
