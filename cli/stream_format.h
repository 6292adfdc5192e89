#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillane::cli {

// Largest frame the command accepts, in pixels.
inline constexpr std::uint64_t kMaxFramePixels = std::uint64_t{1} << 28;

// Where a frame keeps its luma.
enum class LumaLayout {
    PackedYuy2,  // Y0 U Y1 V, 2 * width bytes per row
    Planar,      // a width x height plane first, chroma planes after it
};

// What every frame of a stream looks like.
struct StreamFormat {
    std::uint32_t width = 0, height = 0;
    LumaLayout layout = LumaLayout::PackedYuy2;
    std::size_t frameBytes = 0;  // picture bytes, without any FRAME line
    std::string header;          // bytes that precede the first frame, passed through as they are
    bool framed = false;         // each frame is preceded by a FRAME line
};

// Refuses a geometry of more than kMaxFramePixels; throws RunError.
void checkFrameSize(std::uint32_t width, std::uint32_t height);

}  // namespace quillane::cli

namespace quillane::cli {

// Packed YUY2 frames back to back; throws RunError for an odd width or a frame beyond the limit.
StreamFormat packedYuy2Format(std::uint32_t width, std::uint32_t height);

}  // namespace quillane::cli
