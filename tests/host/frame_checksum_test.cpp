#include "frame_checksum.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillane::test {
namespace {

using Rows = std::vector<std::vector<std::uint8_t>>;

TEST(FrameChecksum, MatchesPublishedFnv1aValues) {
    EXPECT_EQ(frameChecksum({}), "cbf29ce484222325");
    EXPECT_EQ(frameChecksum({{'a'}}), "af63dc4c8601ec8c");
    EXPECT_EQ(frameChecksum({{'f', 'o'}, {'o', 'b'}, {'a', 'r'}}), "85944171f73967e8");
}

// The Windows host only sees checksums: each byte and the row order must show in them.
TEST(FrameChecksum, EveryByteAndTheRowOrderCount) {
    const Rows base{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
    const std::string expected = frameChecksum(base);
    EXPECT_EQ(frameChecksum(Rows(base)), expected);
    for (std::size_t y = 0; y < base.size(); ++y)
        for (std::size_t x = 0; x < base[y].size(); ++x) {
            Rows changed = base;
            changed[y][x] ^= 0x80;
            EXPECT_NE(frameChecksum(changed), expected) << x << "," << y;
        }
    Rows swapped = base;
    std::swap(swapped[0], swapped[2]);
    EXPECT_NE(frameChecksum(swapped), expected);
}

}  // namespace
}  // namespace quillane::test
