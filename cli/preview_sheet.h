#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "filter_settings.h"
#include "frame_reader.h"
#include "gray_image.h"

namespace quillane::cli {

// Tiles of the sheet, in reading order: the input luma, the cleaned luma,
// debug views 1 to 5, and the settings as text.
inline constexpr std::uint32_t kSheetTiles = 8, kSheetColumns = 4;
inline constexpr std::uint32_t kInputTile = 0, kOutputTile = 1, kFirstViewTile = 2, kSettingsTile = 7;

struct SheetLayout {
    std::uint32_t frameWidth = 0, frameHeight = 0;
    std::uint32_t labelScale = 1, labelBand = 0, gap = 0;
    std::uint32_t width = 0, height = 0;

    std::uint32_t pictureX(std::uint32_t tile) const { return gap + tile % kSheetColumns * (frameWidth + gap); }
    std::uint32_t pictureY(std::uint32_t tile) const {
        return tile / kSheetColumns * (labelBand + frameHeight + gap) + labelBand + gap;
    }
};

SheetLayout sheetLayout(std::uint32_t frameWidth, std::uint32_t frameHeight);

// The luma of one frame of the format as a picture.
GrayImage lumaPicture(const StreamFormat& format, const std::uint8_t* frame);

// The labelled sheet for `frame` (number `frameNumber`) under the settings;
// settings.debug is ignored, each view is computed from a copy of the frame.
GrayImage buildPreviewSheet(const StreamFormat& format, const Frame& frame, std::uint64_t frameNumber,
                            const FilterSettings& settings, double threshold);

}  // namespace quillane::cli
