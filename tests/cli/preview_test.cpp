#include <gtest/gtest.h>
#include <png.h>

#include "command_runner.h"
#include "frame_reader.h"
#include "options.h"
#include "preview_sheet.h"

namespace quillane::test {
namespace {

using cli::GrayImage;

GrayImage readPng(const std::string& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return {};
    image.format = PNG_FORMAT_GRAY;
    GrayImage out(image.width, image.height, 0);
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) return {};
    return out;
}

// The luma of frame `number` of a stream file, read by the command's own reader.
GrayImage lumaOfFrame(const std::string& file, std::uint64_t number, const std::string& rawGeometry = "") {
    cli::InputFile input(file);
    std::optional<cli::RawGeometry> raw;
    if (!rawGeometry.empty()) {
        raw.emplace();
        cli::parseGeometry(rawGeometry, raw->width, raw->height);
    }
    cli::FrameReader reader(input, raw);
    cli::Frame frame;
    for (std::uint64_t n = 0; n <= number; ++n)
        if (!reader.read(frame)) return {};
    return cli::lumaPicture(reader.format(), frame.bytes.data());
}

GrayImage crop(const GrayImage& sheet, std::uint32_t x, std::uint32_t y, std::uint32_t w, std::uint32_t h) {
    GrayImage out(w, h, 0);
    for (std::uint32_t r = 0; r < h; ++r)
        for (std::uint32_t c = 0; c < w; ++c) out.set(c, r, sheet.at(x + c, y + r));
    return out;
}

class PreviewCommand : public CommandTest {
protected:
    // Each tile must be what the clean command gives with the matching --debug.
    void expectTilesMatchCleanRuns(const std::string& sheetFile, std::uint32_t width, std::uint32_t height,
                                   const std::string& options, const std::string& input, std::uint64_t frame,
                                   const std::string& raw = "") {
        const GrayImage sheet = readPng(path(sheetFile));
        const cli::SheetLayout layout = cli::sheetLayout(width, height);
        ASSERT_EQ(sheet.width, layout.width);
        ASSERT_EQ(sheet.height, layout.height);
        const std::string rawOption = raw.empty() ? "" : " --raw " + raw;
        for (std::uint32_t tile = cli::kInputTile; tile < cli::kSettingsTile; ++tile) {
            SCOPED_TRACE(tile);
            std::string expectedFile = input;
            if (tile != cli::kInputTile) {
                const std::string debug = tile == cli::kOutputTile ? "0" : std::to_string(tile - cli::kFirstViewTile + 1);
                expectedFile = "view.out";
                ASSERT_EQ(run("quillane --quiet" + rawOption + " " + options + " --debug " + debug + " " + input +
                              " view.out").status, 0);
            }
            const GrayImage expected = lumaOfFrame(path(expectedFile), frame, raw);
            const GrayImage shown = crop(sheet, layout.pictureX(tile), layout.pictureY(tile), width, height);
            EXPECT_EQ(shown.pixels, expected.pixels);
        }
    }
};

TEST_F(PreviewCommand, TilesShowTheInputTheOutputAndEachDebugView) {
    ASSERT_EQ(run("make_sample 45x20 3 in.y4m").status, 0);
    const std::string settings = "--strength 20 --threshold 2.5 --type 1";
    ASSERT_EQ(run("quillane preview --quiet in.y4m --frame 2 -o sheet.png " + settings).status, 0);
    expectTilesMatchCleanRuns("sheet.png", 45, 20, settings, "in.y4m", 2);
}

TEST_F(PreviewCommand, WorksOnRawInputWithTheDefaultSheetName) {
    ASSERT_EQ(run("make_sample 32x12 2 in.yuy2").status, 0);
    ASSERT_EQ(run("quillane preview --quiet --raw 32x12 in.yuy2").status, 0);
    expectTilesMatchCleanRuns("preview.png", 32, 12, "", "in.yuy2", 0, "32x12");
}

TEST_F(PreviewCommand, FrameBeyondTheEndLeavesNoSheet) {
    ASSERT_EQ(run("make_sample 16x8 3 in.y4m").status, 0);
    const CommandResult r = run("quillane preview in.y4m --frame 3 -o sheet.png");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("in.y4m has only 3 frames; there is no frame 3"), std::string::npos) << r.err;
    EXPECT_FALSE(exists("sheet.png"));
}

}  // namespace
}  // namespace quillane::test
