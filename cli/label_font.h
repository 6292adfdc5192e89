#pragma once

#include <cstdint>
#include <string_view>

#include "gray_image.h"

namespace quillane::cli {

// A 5x7 capital-letter glyph set, enough for the labels of the preview sheet.
inline constexpr std::uint32_t kGlyphColumns = 5, kGlyphRows = 7, kGlyphAdvance = 6;

// Draws text (letters, digits, space and + - / . :) with its top left at
// (x, y), each glyph pixel a scale x scale square; pixels outside the image are
// skipped. Lower case is drawn as upper case, other characters as blanks.
void drawLabel(GrayImage& image, std::uint32_t x, std::uint32_t y, std::string_view text, std::uint32_t scale,
               std::uint8_t value);

}  // namespace quillane::cli
