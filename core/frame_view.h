#pragma once

#include <cstddef>
#include <cstdint>

namespace quillane {

// A writable packed YUY2 frame (Y0 U Y1 V per pixel pair) as the core sees it.
// Width and height come from the clip, not from the frame buffer.
struct FrameView {
    std::uint8_t* writePtr = nullptr;
    std::int32_t pitch = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// An 8-bit luma plane, one byte per sample: the Y plane of planar video.
struct PlanarLumaView {
    std::uint8_t* data = nullptr;
    std::int32_t pitch = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

inline std::uint8_t* frameRow(const FrameView& frame, std::int64_t y) {
    return frame.writePtr + static_cast<std::ptrdiff_t>(y) * frame.pitch;
}

}  // namespace quillane
