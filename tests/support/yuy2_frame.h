#pragma once

// A YUY2 frame for tests: owns its bytes, can sit at any pitch and at any
// offset from 16-byte alignment, and reads and writes luma by pixel.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "frame_view.h"

namespace quillane::test {

class Yuy2Frame {
public:
    // pitch 0 means 2 * width; offset shifts the first byte away from 16-byte alignment.
    Yuy2Frame(std::uint32_t width, std::uint32_t height, std::size_t pitch = 0, std::size_t offset = 0)
        : width_(width), height_(height), pitch_(pitch ? pitch : std::size_t{width} * 2),
          buffer_(pitch_ * height + 64) {
        const auto base = reinterpret_cast<std::uintptr_t>(buffer_.data());
        first_ = static_cast<std::size_t>((16 - base % 16) % 16 + offset % 16);
        for (std::size_t i = 0; i < buffer_.size(); ++i) buffer_[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }

    // Copies keep the same offset from alignment as the original.
    Yuy2Frame(const Yuy2Frame& other)
        : Yuy2Frame(other.width_, other.height_, other.pitch_, other.misalignment()) {
        std::copy(other.row(0), other.row(0) + other.pitch_ * other.height_, row(0));
    }
    Yuy2Frame& operator=(const Yuy2Frame&) = delete;

    std::uint32_t width() const { return width_; }
    std::uint32_t height() const { return height_; }
    std::size_t pitch() const { return pitch_; }

    std::uint8_t* row(std::uint32_t y) { return buffer_.data() + first_ + y * pitch_; }
    const std::uint8_t* row(std::uint32_t y) const { return buffer_.data() + first_ + y * pitch_; }
    std::uint8_t& luma(std::uint32_t x, std::uint32_t y) { return row(y)[2 * x]; }
    std::uint8_t luma(std::uint32_t x, std::uint32_t y) const { return row(y)[2 * x]; }

    FrameView view() { return FrameView{row(0), static_cast<std::int32_t>(pitch_), width_, height_}; }

    // The image bytes, rows with everything up to the pitch included.
    std::vector<std::uint8_t> bytes() const { return {row(0), row(0) + pitch_ * height_}; }
    std::size_t misalignment() const { return reinterpret_cast<std::uintptr_t>(row(0)) % 16; }

    template <class LumaOf>  // LumaOf(x, y) -> luma value
    Yuy2Frame& fillLuma(LumaOf lumaOf) {
        for (std::uint32_t y = 0; y < height_; ++y)
            for (std::uint32_t x = 0; x < width_; ++x) luma(x, y) = static_cast<std::uint8_t>(lumaOf(x, y));
        return *this;
    }

    Yuy2Frame& fillRandom(std::mt19937& rng) {
        for (std::size_t i = 0; i < pitch_ * height_; ++i) row(0)[i] = static_cast<std::uint8_t>(rng());
        return *this;
    }

private:
    std::uint32_t width_, height_;
    std::size_t pitch_;
    std::vector<std::uint8_t> buffer_;
    std::size_t first_ = 0;
};

}  // namespace quillane::test
