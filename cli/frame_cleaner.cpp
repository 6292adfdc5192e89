#include "frame_cleaner.h"

#include "file_io.h"
#include "pipeline.h"

namespace quillane::cli {

FrameCleaner::FrameCleaner(const StreamFormat& format, const FilterSettings& settings)
    : width_(format.width), height_(format.height), layout_(format.layout), settings_(settings) {
    // Frames narrower than a block pass through untouched; their planes would
    // still cost 32 bytes a row, which a tall, narrow header makes gigabytes.
    if (width_ < kBlockSamples) return;
    if (!planes_.create(width_, height_)) throw RunError{"out of memory for the working planes"};
}

void FrameCleaner::clean(std::uint8_t* frame) {
    if (width_ < kBlockSamples) return;
    if (layout_ == LumaLayout::Planar)
        processPlanarLuma(PlanarLumaView{frame, static_cast<std::int32_t>(width_), width_, height_}, settings_, planes_);
    else
        processFrame(FrameView{frame, static_cast<std::int32_t>(width_ * 2), width_, height_}, settings_, planes_);
}

}  // namespace quillane::cli
