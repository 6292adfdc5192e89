// Whole frames through processFrame on every path: the worked examples in
// every debug view, the strength wrap, borders, narrow and short frames.

#include <gtest/gtest.h>

#include <functional>

#include "filter_harness.h"

namespace quillane {
namespace {

using Rows = std::vector<std::vector<int>>;
using test::frameFromRows;
using test::lumaRows;

class Pipeline : public ::testing::TestWithParam<Isa> {
protected:
    Rows filtered(const Rows& input, const FilterSettings& settings) {
        auto frame = frameFromRows(input);
        const auto chromaBefore = frame.bytes();
        test::runFilter(frame, settings, kernelsFor(GetParam()));
        const auto after = frame.bytes();
        for (std::size_t i = 1; i < after.size(); i += 2) EXPECT_EQ(after[i], chromaBefore[i]) << "chroma byte " << i;
        return lumaRows(frame);
    }
};

struct ViewCase {
    int type, debug;
    Rows window;  // rows 2..4, pixels 4..6
    int outside;  // every other pixel
};

TEST_P(Pipeline, SpeckExampleInEveryView) {
    const Rows input = test::lumaGrid(16, 7, [](int x, int y) { return x == 5 && y == 3 ? 200 : 60; });
    const ViewCase cases[] = {
        {0, 0, {{55, 68, 55}, {68, 70, 68}, {55, 68, 55}}, 60},
        {0, 1, {{68, 77, 68}, {77, 95, 77}, {68, 77, 68}}, 60},
        {0, 2, {{120, 111, 120}, {111, 233, 111}, {120, 111, 120}}, 128},
        {0, 3, {{119, 122, 119}, {122, 110, 122}, {119, 122, 119}}, 128},
        {0, 4, {{119, 122, 119}, {122, 110, 122}, {119, 122, 119}}, 128},
        {0, 5, {{115, 119, 115}, {119, 103, 119}, {115, 119, 115}}, 128},
        {1, 0, {{60, 60, 60}, {60, 52, 60}, {60, 60, 60}}, 60},
        {1, 1, {{76, 76, 76}, {76, 76, 76}, {76, 76, 76}}, 60},
        {1, 2, {{112, 112, 112}, {112, 252, 112}, {112, 112, 112}}, 128},
        {1, 3, {{116, 116, 116}, {116, 111, 116}, {116, 116, 116}}, 128},
        {1, 4, {{116, 116, 116}, {116, 111, 116}, {116, 116, 116}}, 128},
        {1, 5, {{112, 112, 112}, {112, 104, 112}, {112, 112, 112}}, 128},
        {2, 0, {{60, 60, 60}, {60, 60, 60}, {60, 60, 60}}, 60},
        {2, 1, {{60, 60, 60}, {60, 60, 60}, {60, 60, 60}}, 60},
        {2, 2, {{128, 128, 128}, {128, 12, 128}, {128, 128, 128}}, 128},
        {2, 3, {{128, 128, 128}, {128, 128, 128}, {128, 128, 128}}, 128},
        {2, 4, {{128, 128, 128}, {128, 128, 128}, {128, 128, 128}}, 128},
        {2, 5, {{128, 128, 128}, {128, 128, 128}, {128, 128, 128}}, 128},
    };
    for (const auto& c : cases) {
        const Rows expected = test::lumaGrid(16, 7, [&](int x, int y) {
            return (y >= 2 && y <= 4 && x >= 4 && x <= 6) ? c.window[y - 2][x - 4] : c.outside;
        });
        EXPECT_EQ(filtered(input, FilterSettings{11, 4, c.type, c.debug}), expected)
            << "type " << c.type << " debug " << c.debug;
    }
}

TEST_P(Pipeline, OnlyDebugOneToFiveSelectAView) {
    const Rows input = test::lumaGrid(24, 5, [](int x, int y) { return (x * 53 + y * 29 + x * y) % 256; });
    const Rows normal = filtered(input, FilterSettings{11, 4, 0, 0});
    EXPECT_NE(normal, input);
    for (int debug : {-1, 6, 256, -2147483647 - 1})
        EXPECT_EQ(filtered(input, FilterSettings{11, 4, 0, debug}), normal) << debug;
    for (int debug = 1; debug <= 5; ++debug)
        EXPECT_NE(filtered(input, FilterSettings{11, 4, 0, debug}), normal) << debug;
}

TEST_P(Pipeline, FlatFrameIsUnchangedAndItsViewsAreFlat) {
    for (int v : {0, 77, 255})
        for (int type = 0; type < 3; ++type)
            for (int strength : {0, 11, 128}) {
                const Rows flat = test::lumaGrid(16, 4, [&](int, int) { return v; });
                const Rows grey = test::lumaGrid(16, 4, [](int, int) { return 128; });
                EXPECT_EQ(filtered(flat, FilterSettings{strength, 0, type, 0}), flat);
                EXPECT_EQ(filtered(flat, FilterSettings{strength, 512, type, 1}), flat);
                for (int debug = 2; debug <= 5; ++debug)
                    EXPECT_EQ(filtered(flat, FilterSettings{strength, 4, type, debug}), grey) << debug;
            }
}

TEST_P(Pipeline, StrongDetailWrapsAtHighStrength) {
    // A one-pixel vertical line: its refined detail (259) times 127 no longer fits in 16 bits.
    const Rows input = test::lumaGrid(16, 6, [](int x, int) { return x == 7 ? 255 : 0; });
    struct Case { int strength, beside, on; };
    for (Case c : {Case{11, 4, 216}, Case{126, 0, 255}, Case{127, 0, 0}, Case{128, 0, 0}}) {
        const Rows expected = test::lumaGrid(16, 6, [&](int x, int) { return x == 7 ? c.on : (x == 6 || x == 8 ? c.beside : 0); });
        EXPECT_EQ(filtered(input, FilterSettings{c.strength, 4, 0, 0}), expected) << c.strength;
    }
}

TEST_P(Pipeline, CheckerboardInvertsAndWrapsFromStrength33) {
    const int w = 24, h = 10;
    const Rows input = test::lumaGrid(w, h, [](int x, int y) { return (x + y) % 2 ? 255 : 0; });
    auto interior = [&](int x, int y, int margin) { return x >= margin && y >= margin && x < w - margin && y < h - margin; };
    for (int type = 0; type < 3; ++type) {
        const Rows out = filtered(input, FilterSettings{11, 4, type, 0});
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x) EXPECT_EQ(out[y][x], 255 - input[y][x]) << type << " at " << x << "," << y;
    }
    struct Case { int strength; std::function<int(int)> deep, second; };  // functions of the input value
    const Case cases[] = {
        {32, [](int v) { return 255 - v; }, [](int v) { return 255 - v; }},
        {33, [](int v) { return v; }, [](int v) { return 255 - v; }},
        {128, [](int v) { return v == 255 ? 8 : 243; }, [](int v) { return v; }},
    };
    for (const auto& c : cases) {
        const Rows out = filtered(input, FilterSettings{c.strength, 4, 2, 0});
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x) {
                const int v = input[y][x];
                EXPECT_EQ(out[y][x], interior(x, y, 2) ? c.deep(v) : c.second(v))
                    << "strength " << c.strength << " at " << x << "," << y;
            }
    }
}

TEST_P(Pipeline, PixelsBeyondTheLastBlockKeepTheirLumaAndInfluenceNothing) {
    const Rows ramp = test::lumaGrid(20, 3, [](int x, int) { return 10 * x; });
    for (int type = 0; type < 3; ++type) {
        Rows expected = ramp;
        if (type != 2)
            for (auto& row : expected) row[15] = 151;
        EXPECT_EQ(filtered(ramp, FilterSettings{11, 4, type, 0}), expected) << type;
        // Whatever pixels 16..19 hold, pixels 0..15 do not change.
        Rows other = ramp;
        for (auto& row : other)
            for (int x = 16; x < 20; ++x) row[x] = 255 - row[x];
        const Rows a = filtered(ramp, FilterSettings{11, 4, type, 0}), b = filtered(other, FilterSettings{11, 4, type, 0});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 16; ++x) EXPECT_EQ(a[y][x], b[y][x]);
    }
}

TEST_P(Pipeline, OneRowFrame) {
    const Rows input = test::lumaGrid(16, 1, [](int x, int) { return x == 5 ? 200 : 60; });
    const int expected[3][3] = {{62, 178, 62}, {63, 171, 63}, {60, 196, 60}};
    for (int type = 0; type < 3; ++type) {
        const Rows out = filtered(input, FilterSettings{11, 4, type, 0});
        const Rows want = test::lumaGrid(16, 1, [&](int x, int) { return x >= 4 && x <= 6 ? expected[type][x - 4] : 60; });
        EXPECT_EQ(out, want) << type;
    }
}

TEST_P(Pipeline, FramesNarrowerThanABlockAreLeftAlone) {
    std::mt19937 rng(3);
    for (std::uint32_t width : {1u, 2u, 6u, 7u})
        for (int debug = 0; debug <= 5; ++debug) {
            test::Yuy2Frame frame(width, 3, 40, 1);
            frame.fillRandom(rng);
            const auto before = frame.bytes();
            test::runFilter(frame, FilterSettings{11, 4, debug % 3, debug}, kernelsFor(GetParam()));
            EXPECT_EQ(frame.bytes(), before) << width << " debug " << debug;
        }
}

TEST_P(Pipeline, ReusedPlanesGiveWhatFreshPlanesGive) {
    std::mt19937 rng(11);
    const Kernels& k = kernelsFor(GetParam());
    for (int type = 0; type < 3; ++type) {
        PlaneSet shared;
        ASSERT_TRUE(shared.create(40, 6));
        for (int round = 0; round < 3; ++round) {
            test::Yuy2Frame a(40, 6);
            a.fillRandom(rng);
            test::Yuy2Frame b(a);
            const FilterSettings settings{round * 40, round * 100, type, round};
            processFrame(a.view(), settings, shared, k);
            test::runFilter(b, settings, k);
            EXPECT_EQ(a.bytes(), b.bytes()) << "type " << type << " round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, Pipeline, ::testing::ValuesIn(availableIsas()), test::isaParamName);

}  // namespace
}  // namespace quillane
