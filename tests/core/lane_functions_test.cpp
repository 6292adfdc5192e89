// The three lane functions against their worked values, and the saturation
// and wrap behaviour beyond the luma range.

#include <gtest/gtest.h>

#include <cstdint>

#include "lane_functions.h"

namespace quillane {
namespace {

// The lane rules for one sample, in plain integers.
int sat(int x) { return x < -32768 ? -32768 : (x > 32767 ? 32767 : x); }
int wrap(int x) { return static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(x))); }
int floorShift(int x, int k) { return x >= 0 ? x >> k : -((-x + (1 << k) - 1) >> k); }
int signOf(int x, int k) { return x > 0 ? k : (x < 0 ? -k : 0); }

struct ThirdsCase {
    std::int16_t t, shift7, shift5;
};

TEST(ThirdsScale, WorkedValues) {
    const ThirdsCase cases[] = {
        {-765, -256, -1022}, {-3, -2, -7}, {-2, -2, -6}, {-1, -1, -4}, {0, 0, 0},
        {1, 0, 3},           {2, 1, 5},    {3, 1, 6},    {764, 255, 1020}, {765, 255, 1021},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(thirdsScale(c.t, 7), c.shift7) << "t=" << c.t;
        EXPECT_EQ(thirdsScale(c.t, 5), c.shift5) << "t=" << c.t;
    }
}

TEST(ThirdsScale, RoundsToNearestThirdOverTheLumaRange) {
    for (int t = 0; t <= 765; ++t) {
        EXPECT_EQ(thirdsScale(static_cast<std::int16_t>(t), 7), (t + 1) / 3) << t;
        // Negative sums come out one below the mirrored positive result.
        if (t > 0) {
            EXPECT_EQ(thirdsScale(static_cast<std::int16_t>(-t), 7), -(t + 1) / 3 - 1) << -t;
        }
    }
}

TEST(ThirdsScale, SaturatesAndWrapsBeyondTheLumaRange) {
    // From 767 the additions saturate; from 779 the product wraps.
    auto reference = [](int t, int shift) {
        int v = sat(t + signOf(t, 2));
        v = wrap(v * 42);
        v = sat(v + floorShift(t, 1));
        v = sat(v + floorShift(t, 3));
        return floorShift(v, shift);
    };
    for (int t : {766, 767, 778, 779, 780, 1000, 5000, 32767, -766, -767, -779, -780, -32768}) {
        EXPECT_EQ(thirdsScale(static_cast<std::int16_t>(t), 7), reference(t, 7)) << t;
        EXPECT_EQ(thirdsScale(static_cast<std::int16_t>(t), 5), reference(t, 5)) << t;
    }
    // Saturated: 767 * 42 is 32214, plus 383 saturates at 32767.
    EXPECT_EQ(thirdsScale(767, 7), 32767 >> 7);
}

TEST(NinthsScale, WorkedValues) {
    const std::int16_t f[] = {-1, 0, 4, 5, 13, 14, 22, 23, 2290, 2295};
    const std::int16_t expected[] = {-1, 0, 0, 1, 1, 2, 2, 3, 254, 255};
    for (std::size_t i = 0; i < std::size(f); ++i) EXPECT_EQ(ninthsScale(f[i]), expected[i]) << "f=" << f[i];
}

TEST(NinthsScale, RoundsToNearestNinthOverTheLumaRange) {
    for (int f = 0; f <= 2295; ++f) EXPECT_EQ(ninthsScale(static_cast<std::int16_t>(f)), (2 * f + 9) / 18) << f;
}

TEST(NinthsScale, SaturatesAndWrapsFarOut) {
    // From 4605 the additions saturate; from 4677 the product wraps.
    auto reference = [](int f) {
        int v = sat(f + signOf(f, 5));
        v = wrap(v * 7);
        v = sat(v + floorShift(f, 4));
        v = sat(v + floorShift(f, 5));
        v = sat(v + floorShift(f, 6));
        return floorShift(v, 6);
    };
    for (int f : {4604, 4605, 4676, 4677, 4678, 9000, 32767, -4604, -4605, -4677, -4678, -32768})
        EXPECT_EQ(ninthsScale(static_cast<std::int16_t>(f)), reference(f)) << f;
    EXPECT_EQ(ninthsScale(4676), 32767 >> 6);  // 4681 * 7 = 32767: saturated, not yet wrapped
    EXPECT_LT(ninthsScale(4677), 0);           // 4682 * 7 wraps negative
}

struct CrossCase {
    std::int16_t c, l, r, u, d, expected;
};

TEST(CrossTrimmedSum, DropsTheLargestAndSmallest) {
    const CrossCase cases[] = {
        {10, 20, 30, 40, 50, 90},        // middle three
        {0, 0, 0, 0, 200, 0},            // a lone extreme vanishes
        {255, 255, 0, 0, 0, 255},        // two of a kind survive as one
        {7, 7, 7, 7, 7, 21},             // ties need no rule
        {-255, 255, 255, 255, 255, 765},
        {255, -255, -255, -255, -255, -765},
        {40, -3, 2, 35, 38, 75},
    };
    for (const auto& c : cases)
        EXPECT_EQ(crossTrimmedSum(c.c, c.l, c.r, c.u, c.d), c.expected) << c.c << "," << c.l << "," << c.r;
}

TEST(CrossTrimmedSum, SaturatesInItsFixedOrder) {
    // The running sum clamps at 32767 before the extremes are taken off.
    EXPECT_EQ(crossTrimmedSum(30000, 30000, 0, 0, 0), 32767 - 30000 - 0);
    EXPECT_EQ(crossTrimmedSum(-30000, -30000, 0, 0, 0), -32768 + 30000);
    // The sum clamps low on the way, so the true middle three (32766) are lost.
    EXPECT_EQ(crossTrimmedSum(32767, 32767, 32767, -32768, -32768), 0);
}

}  // namespace
}  // namespace quillane
