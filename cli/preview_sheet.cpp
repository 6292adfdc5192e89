#include "preview_sheet.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "frame_cleaner.h"
#include "label_font.h"

namespace quillane::cli {
namespace {

constexpr std::uint8_t kBackground = 40, kInk = 255;

constexpr std::array<const char*, kSheetTiles - 1> kTileLabels{
    "INPUT",
    "OUTPUT",
    "1 SMOOTHED",
    "2 DETAIL +128",
    "3 REFINED DETAIL/4 +128",
    "4 CORED DETAIL/4 +128",
    "5 SCALED DETAIL +128",
};

// The luma the cleaner gives a copy of the frame under these settings.
GrayImage cleanedPicture(const StreamFormat& format, const Frame& frame, const FilterSettings& settings) {
    std::vector<std::uint8_t> copy = frame.bytes;
    FrameCleaner(format, settings).clean(copy.data());
    return lumaPicture(format, copy.data());
}

std::vector<std::string> settingsLines(std::uint64_t frameNumber, const FilterSettings& settings, double threshold) {
    char thresholdText[32];
    std::snprintf(thresholdText, sizeof thresholdText, "%g", threshold);
    return {"FRAME " + std::to_string(frameNumber), "STRENGTH " + std::to_string(settings.strength),
            std::string("THRESHOLD ") + thresholdText, "TYPE " + std::to_string(settings.type)};
}

}  // namespace

SheetLayout sheetLayout(std::uint32_t frameWidth, std::uint32_t frameHeight) {
    SheetLayout layout;
    layout.frameWidth = frameWidth;
    layout.frameHeight = frameHeight;
    layout.labelScale = std::clamp<std::uint32_t>(frameWidth / 200, 1, 6);
    layout.gap = 2 * layout.labelScale;
    layout.labelBand = (kGlyphRows + 2) * layout.labelScale;
    const std::uint32_t rows = kSheetTiles / kSheetColumns;
    layout.width = kSheetColumns * (frameWidth + layout.gap) + layout.gap;
    layout.height = rows * (layout.labelBand + frameHeight + layout.gap) + layout.gap;
    return layout;
}

GrayImage lumaPicture(const StreamFormat& format, const std::uint8_t* frame) {
    GrayImage picture(format.width, format.height, 0);
    const std::size_t pixels = picture.pixels.size();
    const std::size_t step = format.layout == LumaLayout::PackedYuy2 ? 2 : 1;
    for (std::size_t i = 0; i < pixels; ++i) picture.pixels[i] = frame[i * step];
    return picture;
}

GrayImage buildPreviewSheet(const StreamFormat& format, const Frame& frame, std::uint64_t frameNumber,
                            const FilterSettings& settings, double threshold) {
    const SheetLayout layout = sheetLayout(format.width, format.height);
    GrayImage sheet(layout.width, layout.height, kBackground);
    const std::uint32_t scale = layout.labelScale;
    auto labelAt = [&](std::uint32_t tile, std::uint32_t line, const std::string& text) {
        drawLabel(sheet, layout.pictureX(tile), layout.pictureY(tile) - layout.labelBand + scale + line * layout.labelBand,
                  text, scale, kInk);
    };

    FilterSettings view = settings;
    for (std::uint32_t tile = 0; tile < kSettingsTile; ++tile) {
        GrayImage picture;
        if (tile == kInputTile) {
            picture = lumaPicture(format, frame.bytes.data());
        } else {
            view.debug = tile == kOutputTile ? 0 : static_cast<std::int32_t>(tile - kFirstViewTile + 1);
            picture = cleanedPicture(format, frame, view);
        }
        sheet.paste(picture, layout.pictureX(tile), layout.pictureY(tile));
        labelAt(tile, 0, kTileLabels[tile]);
    }
    const std::vector<std::string> lines = settingsLines(frameNumber, settings, threshold);
    for (std::uint32_t i = 0; i < lines.size(); ++i) labelAt(kSettingsTile, i, lines[i]);
    return sheet;
}

}  // namespace quillane::cli
