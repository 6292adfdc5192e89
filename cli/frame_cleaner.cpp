#include "frame_cleaner.h"

#include <new>

#include "file_io.h"
#include "pipeline.h"

namespace quillane::cli {

FrameCleaner::FrameCleaner(const StreamFormat& format, const FilterSettings& settings)
    : width_(format.width), height_(format.height), layout_(format.layout), settings_(settings) {
    // Frames narrower than a block pass through untouched; their planes would
    // still cost 32 bytes a row, which a tall, narrow header makes gigabytes.
    if (width_ < kBlockSamples) return;
    if (!planes_.create(width_, height_)) throw RunError{"out of memory for the working planes"};
    if (layout_ == LumaLayout::Planar) {
        try {
            packedScratch_.assign(std::size_t{width_} * height_ * 2, 0);
        } catch (const std::bad_alloc&) {
            throw RunError{"out of memory for the working planes"};
        }
    }
}

void FrameCleaner::clean(std::uint8_t* frame) {
    if (width_ < kBlockSamples) return;
    if (layout_ == LumaLayout::Planar) return cleanPlanarLuma(frame);
    processFrame(FrameView{frame, static_cast<std::int32_t>(width_ * 2), width_, height_}, settings_, planes_);
}

void FrameCleaner::cleanPlanarLuma(std::uint8_t* luma) {
    const std::size_t pixels = std::size_t{width_} * height_;
    std::uint8_t* packed = packedScratch_.data();
    for (std::size_t i = 0; i < pixels; ++i) packed[2 * i] = luma[i];
    processFrame(FrameView{packed, static_cast<std::int32_t>(width_ * 2), width_, height_}, settings_, planes_);
    for (std::size_t i = 0; i < pixels; ++i) luma[i] = packed[2 * i];
}

}  // namespace quillane::cli
