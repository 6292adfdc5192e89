#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillane::cli {

// An 8-bit grey picture, rows packed.
struct GrayImage {
    std::uint32_t width = 0, height = 0;
    std::vector<std::uint8_t> pixels;

    GrayImage() = default;
    GrayImage(std::uint32_t w, std::uint32_t h, std::uint8_t fill)
        : width(w), height(h), pixels(std::size_t{w} * h, fill) {}

    std::uint8_t at(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t{y} * width + x]; }
    void set(std::uint32_t x, std::uint32_t y, std::uint8_t v) {
        if (x < width && y < height) pixels[std::size_t{y} * width + x] = v;
    }
    // Copies `source` with its top left at (x, y); it must fit.
    void paste(const GrayImage& source, std::uint32_t x, std::uint32_t y) {
        for (std::uint32_t r = 0; r < source.height; ++r)
            for (std::uint32_t c = 0; c < source.width; ++c) pixels[std::size_t{y + r} * width + x + c] = source.at(c, r);
    }
};

}  // namespace quillane::cli
