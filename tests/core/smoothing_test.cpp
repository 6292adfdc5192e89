// The three smoothing kernels, seen through the smoothed-luma view on every
// available path: centre values, borders, narrow and short frames.

#include <gtest/gtest.h>

#include <functional>

#include "filter_harness.h"
#include "plane_transfer.h"
#include "smoothing.h"

namespace quillane {
namespace {

using Rows = std::vector<std::vector<int>>;
using test::frameFromRows;
using test::lumaRows;

// The smoothed luma of every available path; fails the test if the paths disagree.
Rows smoothed(const Rows& input, int type) {
    Rows first;
    for (Isa isa : availableIsas()) {
        auto frame = frameFromRows(input);
        test::runFilter(frame, FilterSettings{11, 4, type, 1}, kernelsFor(isa));
        Rows out = lumaRows(frame);
        if (first.empty()) first = out;
        EXPECT_EQ(out, first) << "path " << isaName(isa) << " differs from scalar, type " << type;
    }
    return first;
}

struct CentreCase {
    const char* name;
    std::function<int(int, int)> lumaOf;  // on a 16x7 frame, centre at (5, 3)
    int expected[3];                       // types 0, 1, 2
};

TEST(Smoothing, CentreValuesInsideTheFrame) {
    const CentreCase cases[] = {
        {"lone 255 on 0", [](int x, int y) { return x == 5 && y == 3 ? 255 : 0; }, {63, 28, 0}},
        {"lone 0 on 255", [](int x, int y) { return x == 5 && y == 3 ? 0 : 255; }, {191, 227, 255}},
        {"lone 16 on 0", [](int x, int y) { return x == 5 && y == 3 ? 16 : 0; }, {4, 2, 0}},
        {"bright side of a step", [](int x, int) { return x >= 5 ? 255 : 0; }, {191, 170, 255}},
        {"dark side of a step", [](int x, int) { return x >= 6 ? 255 : 0; }, {63, 85, 0}},
        {"on a one-sample line", [](int x, int) { return x == 5 ? 255 : 0; }, {127, 85, 170}},
    };
    for (const auto& c : cases)
        for (int type = 0; type < 3; ++type)
            EXPECT_EQ(smoothed(test::lumaGrid(16, 7, c.lumaOf), type)[3][5], c.expected[type]) << c.name << ", type " << type;
}

TEST(Smoothing, FlatFramesComeOutUnchanged) {
    for (int v : {0, 1, 37, 128, 254, 255})
        for (int type = 0; type < 3; ++type) {
            const Rows flat = test::lumaGrid(24, 5, [&](int, int) { return v; });
            EXPECT_EQ(smoothed(flat, type), flat) << v << ", type " << type;
        }
}

TEST(Smoothing, CrossRemovesAnInteriorSpeckEntirely) {
    struct Speck { int speck, background; };
    for (Speck s : {Speck{38, 37}, Speck{0, 100}, Speck{200, 40}}) {
        const Rows in = test::lumaGrid(16, 7, [&](int x, int y) { return x == 6 && y == 2 ? s.speck : s.background; });
        EXPECT_EQ(smoothed(in, 2), test::lumaGrid(16, 7, [&](int, int) { return s.background; })) << s.speck;
    }
}

TEST(Smoothing, CrossKeepsATwoByTwoSquareAtTwoThirds) {
    auto inSquare = [](int x, int y) { return (x == 5 || x == 6) && (y == 2 || y == 3); };
    const Rows out = smoothed(test::lumaGrid(16, 7, [&](int x, int y) { return inSquare(x, y) ? 255 : 0; }), 2);
    EXPECT_EQ(out, test::lumaGrid(16, 7, [&](int x, int y) { return inSquare(x, y) ? 170 : 0; }));
}

TEST(Smoothing, CheckerboardAwayFromTheEdges) {
    const Rows out[3] = {smoothed(test::lumaGrid(24, 8, [](int x, int y) { return (x + y) % 2 ? 255 : 0; }), 0),
                         smoothed(test::lumaGrid(24, 8, [](int x, int y) { return (x + y) % 2 ? 255 : 0; }), 1),
                         smoothed(test::lumaGrid(24, 8, [](int x, int y) { return (x + y) % 2 ? 255 : 0; }), 2)};
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 23; ++x) {
            const bool bright = (x + y) % 2;
            EXPECT_EQ(out[0][y][x], 127);
            EXPECT_EQ(out[1][y][x], bright ? 142 : 113);
            EXPECT_EQ(out[2][y][x], bright ? 0 : 255);
        }
}

TEST(Smoothing, SpecksOnTheBorderAreOnlyWeakened) {
    const Rows corner = test::lumaGrid(16, 7, [](int x, int y) { return x == 0 && y == 0 ? 255 : 0; });
    const Rows edge = test::lumaGrid(16, 7, [](int x, int y) { return x == 0 && y == 3 ? 255 : 0; });
    const int atCorner[] = {143, 113, 170}, atEdge[] = {95, 57, 85};
    for (int type = 0; type < 3; ++type) {
        EXPECT_EQ(smoothed(corner, type)[0][0], atCorner[type]) << type;
        EXPECT_EQ(smoothed(edge, type)[3][0], atEdge[type]) << type;
    }
    struct Place { int x, y, expected; };
    for (Place p : {Place{0, 3, 93}, Place{15, 3, 93}, Place{6, 0, 93}, Place{6, 6, 93}, Place{0, 0, 147},
                    Place{15, 6, 147}}) {
        const Rows in = test::lumaGrid(16, 7, [&](int x, int y) { return x == p.x && y == p.y ? 200 : 40; });
        EXPECT_EQ(smoothed(in, 2)[p.y][p.x], p.expected) << p.x << "," << p.y;
    }
}

TEST(Smoothing, OneRowFrameIsItsOwnVerticalNeighbour) {
    const Rows row = {{10, 20, 30, 40, 50, 60, 70, 80}};
    EXPECT_EQ(smoothed(row, 0), (Rows{{12, 20, 30, 40, 50, 60, 70, 77}}));
    EXPECT_EQ(smoothed(row, 1), (Rows{{13, 20, 30, 40, 50, 60, 70, 77}}));
    EXPECT_EQ(smoothed(row, 2), row);
}

TEST(Smoothing, PixelsBeyondTheLastBlockNeitherReadNorWritten) {
    const Rows in = test::lumaGrid(12, 3, [](int x, int) { return x < 7 ? 0 : (x == 7 ? 100 : 255); });
    const int expected[] = {75, 67, 100};
    for (int type = 0; type < 3; ++type) {
        const Rows out = smoothed(in, type);
        EXPECT_EQ(out[1][7], expected[type]) << type;
        for (int x = 8; x < 12; ++x) EXPECT_EQ(out[1][x], 255);
    }
}

TEST(Smoothing, BinomialNormalisationTruncates) {
    struct Sum { std::int16_t sum, expected; };
    for (Isa isa : availableIsas())
        for (Sum s : {Sum{15, 0}, Sum{16, 1}, Sum{200, 12}, Sum{4079, 254}, Sum{4080, 255}, Sum{-16, 4095}}) {
            alignas(16) std::int16_t data[64];
            for (auto& d : data) d = s.sum;
            kernelsFor(isa).sixteenths(data, 64);
            for (auto d : data) EXPECT_EQ(d, s.expected) << isaName(isa) << " sum " << s.sum;
        }
}

TEST(Smoothing, EveryTypeBeyondOneSelectsTheCross) {
    const Rows in = test::lumaGrid(16, 4, [](int x, int y) { return (x * 37 + y * 91) % 256; });
    PlaneSet a, b;
    ASSERT_TRUE(a.create(16, 4));
    ASSERT_TRUE(b.create(16, 4));
    auto frame = frameFromRows(in);
    for (PlaneSet* set : {&a, &b}) loadLuma(frame.view(), set->lumaPlane, scalarKernels());
    smoothLuma(2, a.lumaPlane, a.smoothPlane, a.workPlane, scalarKernels());
    for (int type : {3, -1, 1000}) {
        smoothLuma(type, b.lumaPlane, b.smoothPlane, b.workPlane, scalarKernels());
        for (std::int64_t y = 0; y < 4; ++y)
            for (int x = 0; x < 16; ++x) EXPECT_EQ(rowData(b.smoothPlane, y)[x], rowData(a.smoothPlane, y)[x]) << type;
    }
}

}  // namespace
}  // namespace quillane
