// The detail path one stage at a time on a single sample and its cross:
// refinement, coring at and around the threshold, scaling with and without
// the 16-bit wrap, and the final clamp.

#include <gtest/gtest.h>

#include "detail.h"
#include "filter_harness.h"
#include "luma_plane.h"

namespace quillane {
namespace {

struct DetailCase {
    int centre, left, right, up, down;
    int smooth, threshold4, strength;
    int refined, cored, scaled, output;
};

const DetailCase kCases[] = {
    {40, -3, 2, 35, 38, 100, 4, 11, 102, 102, 35, 135},
    {-40, 3, -2, -35, -38, 100, 4, 11, -103, -103, -36, 64},
    {200, 0, 0, 0, 0, 55, 4, 11, 0, 0, 0, 55},
    {1, 0, 1, 0, 0, 80, 4, 11, 3, 0, 0, 80},
    {-1, 0, -1, 0, 0, 80, 4, 11, -4, 0, 0, 80},
    {2, 0, 2, 0, 2, 80, 4, 11, 7, 7, 2, 82},
    {10, 10, 10, 10, 10, 50, 4, 8, 42, 42, 10, 60},
    {10, 10, 10, 10, 10, 50, 4, 11, 42, 42, 14, 64},
    {40, -3, 2, 35, 38, 100, 101, 11, 102, 102, 35, 135},
    {40, -3, 2, 35, 38, 100, 102, 11, 102, 0, 0, 100},
    {40, -3, 2, 35, 38, 100, 4, 0, 102, 102, 0, 100},
    {0, 5, -5, 9, -9, 3, 0, 128, 0, 0, 0, 3},
    {30, 30, 30, -30, -30, 250, 4, 11, 42, 42, 14, 255},
    {-30, -30, -30, 30, 30, 3, 4, 11, -43, -43, -15, 0},
    {75, 75, 75, 75, 75, 180, 4, 32, 302, 302, 302, 255},
    {75, 75, 75, 75, 75, 180, 4, 128, 302, 302, -840, 0},
    {-255, 255, 255, 255, 255, 255, 4, 32, 1021, 1021, 1021, 255},
    {-255, 255, 255, 255, 255, 255, 4, 33, 1021, 1021, -996, 0},
    {255, -255, -255, -255, -255, 0, 4, 128, -1022, -1022, 8, 8},
    // t = -1 survives a threshold that clears t = 1.
    {-1, 0, -1, 0, 0, 80, 3, 8, -4, -4, -1, 79},
    {1, 0, 1, 0, 0, 80, 3, 8, 3, 0, 0, 80},
    // A zero threshold clears nothing.
    {1, 0, 1, 0, 0, 80, 0, 32, 3, 3, 3, 83},
};

class DetailPath : public ::testing::TestWithParam<Isa> {
protected:
    static constexpr int kX = 3, kY = 1;
    void SetUp() override {
        for (LumaPlane* p : {&smooth, &detailPlane, &work}) ASSERT_TRUE(createLumaPlane(*p, 8, 3));
    }
    void TearDown() override {
        for (LumaPlane* p : {&smooth, &detailPlane, &work}) releaseLumaPlane(*p);
    }
    void setDetail(const DetailCase& c) {
        for (std::int64_t y = 0; y < 3; ++y)
            for (int x = 0; x < 8; ++x) rowData(detailPlane, y)[x] = 0;
        rowData(detailPlane, kY)[kX] = static_cast<std::int16_t>(c.centre);
        rowData(detailPlane, kY)[kX - 1] = static_cast<std::int16_t>(c.left);
        rowData(detailPlane, kY)[kX + 1] = static_cast<std::int16_t>(c.right);
        rowData(detailPlane, kY - 1)[kX] = static_cast<std::int16_t>(c.up);
        rowData(detailPlane, kY + 1)[kX] = static_cast<std::int16_t>(c.down);
        for (std::int64_t y = 0; y < 3; ++y) fillGuardBlocks(detailPlane, y);
        fillGuardRows(detailPlane);
        for (std::int64_t y = 0; y < 3; ++y)
            for (int x = 0; x < 8; ++x) rowData(smooth, y)[x] = static_cast<std::int16_t>(c.smooth);
    }
    int at(const LumaPlane& p) const { return rowData(p, kY)[kX]; }

    LumaPlane smooth, detailPlane, work;
};

TEST_P(DetailPath, EachStageOnOneSample) {
    const Kernels& k = kernelsFor(GetParam());
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "centre " << c.centre << " left " << c.left << " strength " << c.strength
                                        << " threshold4 " << c.threshold4);
        setDetail(c);
        refineDetail(detailPlane, work, k);
        EXPECT_EQ(at(work), c.refined);
        coreDetail(work, c.threshold4, k);
        EXPECT_EQ(at(work), c.cored);
        scaleDetail(work, c.strength, k);
        EXPECT_EQ(at(work), c.scaled);
        recombineLuma(smooth, work, detailPlane, k);
        EXPECT_EQ(at(detailPlane), c.output);
    }
}

TEST_P(DetailPath, CoringAndScalingReachTheGuardsToo) {
    // Whole-plane passes: guards stay copies of the processed edge samples.
    const Kernels& k = kernelsFor(GetParam());
    for (std::size_t i = 0; i < work.storageSamples(); ++i) work.storage()[i] = static_cast<std::int16_t>(i % 7 - 3);
    coreDetail(work, 2, k);
    scaleDetail(work, 64, k);
    for (std::size_t i = 0; i < work.storageSamples(); ++i) {
        const int r = static_cast<int>(i % 7) - 3;
        EXPECT_EQ(work.storage()[i], (r == 3 || r == -3) ? r * 2 : 0) << i;
    }
}

TEST_P(DetailPath, DifferenceWrapsAndRecombinationClamps) {
    const Kernels& k = kernelsFor(GetParam());
    LumaPlane luma;
    ASSERT_TRUE(createLumaPlane(luma, 8, 3));
    const int lumaValues[] = {0, 255, 10, 200, 32767, -32768, 5, 128};
    const int smoothValues[] = {255, 0, 10, 20, -1, 1, 300, 128};
    for (std::int64_t y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) {
            rowData(luma, y)[x] = static_cast<std::int16_t>(lumaValues[x]);
            rowData(smooth, y)[x] = static_cast<std::int16_t>(smoothValues[x]);
        }
    computeDetail(luma, smooth, detailPlane, k);
    const int differences[] = {-255, 255, 0, 180, -32768, 32767, -295, 0};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(rowData(detailPlane, 2)[x], differences[x]) << x;
    EXPECT_EQ(rowData(detailPlane, 3)[-8], -255);  // guard row and block follow the edge sample

    // sat(smooth + correction) then clamp to 0..255.
    for (std::int64_t y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) rowData(work, y)[x] = static_cast<std::int16_t>(x % 2 ? 32767 : -32768);
    recombineLuma(smooth, work, detailPlane, k);
    const int clamped[] = {0, 255, 0, 255, 0, 255, 0, 255};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(rowData(detailPlane, 1)[x], clamped[x]) << x;
    releaseLumaPlane(luma);
}

INSTANTIATE_TEST_SUITE_P(Paths, DetailPath, ::testing::ValuesIn(availableIsas()), test::isaParamName);

}  // namespace
}  // namespace quillane
