#pragma once

#include <cstdint>
#include <vector>

#include "gray_image.h"

namespace quillane::cli {

// The image as an 8-bit greyscale PNG file in memory; throws RunError if libpng fails.
std::vector<std::uint8_t> encodePng(const GrayImage& image);

}  // namespace quillane::cli
