#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "frame_cleaner.h"
#include "stream_format.h"
#include "y4m_header.h"

namespace quillane::cli {
namespace {

struct Shape {
    std::uint32_t width, height;
};

// Odd widths and widths with a remainder mod 8 included, and one below a block.
const Shape kShapes[] = {{6, 3}, {8, 1}, {13, 5}, {20, 4}, {33, 7}, {64, 9}};

TEST(FrameCleaner, PlanarLumaComesOutAsThePackedPathCleansIt) {
    std::mt19937 rng(7);
    for (const Shape s : kShapes) {
        const StreamFormat planar =
            parseY4mHeader("YUV4MPEG2 W" + std::to_string(s.width) + " H" + std::to_string(s.height) + " C444\n");
        const StreamFormat packed = packedYuy2Format(s.width + s.width % 2, s.height);
        for (std::int32_t type = 0; type <= 2; ++type) {
            for (std::int32_t debug = 0; debug <= 5; ++debug) {
                SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " type " << type << " debug " << debug);
                const FilterSettings settings{11, 4, type, debug};
                std::vector<std::uint8_t> planarFrame(planar.frameBytes);
                for (auto& b : planarFrame) b = static_cast<std::uint8_t>(rng());
                // The packed frame has the same luma; an odd width gets one extra pixel that only it carries.
                std::vector<std::uint8_t> packedFrame(packed.frameBytes);
                for (auto& b : packedFrame) b = static_cast<std::uint8_t>(rng());
                for (std::uint32_t y = 0; y < s.height; ++y)
                    for (std::uint32_t x = 0; x < s.width; ++x)
                        packedFrame[(std::size_t{y} * packed.width + x) * 2] = planarFrame[std::size_t{y} * s.width + x];
                const std::vector<std::uint8_t> planarInput = planarFrame;

                FrameCleaner(planar, settings).clean(planarFrame.data());
                FrameCleaner(packed, settings).clean(packedFrame.data());

                const std::uint32_t processed = s.width / 8 * 8;
                for (std::uint32_t y = 0; y < s.height; ++y)
                    for (std::uint32_t x = 0; x < s.width; ++x) {
                        const std::size_t i = std::size_t{y} * s.width + x;
                        ASSERT_EQ(planarFrame[i], packedFrame[(std::size_t{y} * packed.width + x) * 2]) << x << "," << y;
                        if (x >= processed) {
                            ASSERT_EQ(planarFrame[i], planarInput[i]) << x << "," << y;
                        }
                    }
                const std::size_t lumaBytes = std::size_t{s.width} * s.height;
                EXPECT_TRUE(std::equal(planarFrame.begin() + lumaBytes, planarFrame.end(), planarInput.begin() + lumaBytes))
                    << "chroma changed";
                if (processed > 0) {
                    EXPECT_NE(planarFrame, planarInput) << "random luma came out unchanged";
                }
            }
        }
    }
}

TEST(FrameCleaner, ReusedCleanerGivesEachFrameTheSameResultAsAFreshOne) {
    const StreamFormat format = parseY4mHeader("YUV4MPEG2 W21 H6\n");
    std::mt19937 rng(3);
    std::vector<std::uint8_t> first(format.frameBytes), second(format.frameBytes);
    for (auto& b : first) b = static_cast<std::uint8_t>(rng());
    for (auto& b : second) b = static_cast<std::uint8_t>(rng() % 16);
    std::vector<std::uint8_t> fresh = second;
    const FilterSettings settings{20, 8, 2, 0};
    FrameCleaner reused(format, settings);
    reused.clean(first.data());
    reused.clean(second.data());
    FrameCleaner(format, settings).clean(fresh.data());
    EXPECT_EQ(second, fresh);
}

}  // namespace
}  // namespace quillane::cli
