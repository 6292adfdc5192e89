// Plane geometry and allocation, the guard rules, and the transfer of luma
// between frame and plane under each store encoding.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "filter_harness.h"
#include "luma_plane.h"
#include "plane_transfer.h"

namespace quillane {
namespace {

using test::Yuy2Frame;

TEST(LumaPlane, GeometryAlignmentAndZeroFill) {
    LumaPlane p;
    ASSERT_TRUE(createLumaPlane(p, 720, 480));
    EXPECT_EQ(p.blocks, 90u);
    EXPECT_EQ(p.blocksPerRow, 92u);
    EXPECT_EQ(p.strideSamples * 2, 1472u);
    EXPECT_EQ(p.storageSamples() * 2, 1472u * 482u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p.storage()) % 16, 0u);
    EXPECT_EQ(p.reference, p.storage() + 8);
    EXPECT_EQ(rowData(p, -1), p.reference);
    EXPECT_EQ(rowData(p, 480), p.reference + 481 * p.strideSamples);
    for (std::size_t i = 0; i < p.storageSamples(); ++i) ASSERT_EQ(p.storage()[i], 0) << i;
    releaseLumaPlane(p);
    EXPECT_EQ(p.reference, nullptr);
}

TEST(LumaPlane, EveryPlaneOfASetIsAligned) {
    // Many small planes: an allocator that only guarantees 8 bytes shows up here.
    for (std::uint32_t w = 0; w < 40; ++w) {
        PlaneSet set;
        ASSERT_TRUE(set.create(w, 3));
        for (const LumaPlane* p : {&set.lumaPlane, &set.smoothPlane, &set.workPlane, &set.detailPlane})
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p->storage()) % 16, 0u) << w;
    }
}

TEST(LumaPlane, SizesThatDoNotFitAreRefused) {
    std::size_t bytes = 0;
    EXPECT_TRUE(lumaPlaneBytes(720, 480, bytes));
    EXPECT_EQ(bytes, 1472u * 482u);
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    EXPECT_FALSE(lumaPlaneBytes(kMax, kMax, bytes));  // about 2^65 bytes
    // 8.6 GB: representable only where size_t has 64 bits.
    EXPECT_EQ(lumaPlaneBytes(65536, 65536, bytes), sizeof(std::size_t) == 8);
    if (sizeof(std::size_t) == 8) {
        EXPECT_EQ(bytes, std::size_t{8194} * 16 * 65538);
    }
    LumaPlane p;
    EXPECT_FALSE(createLumaPlane(p, kMax, kMax));  // far beyond any memory
    EXPECT_EQ(p.reference, nullptr);
    PlaneSet set;
    EXPECT_FALSE(set.create(kMax, kMax));
}

class GuardTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createLumaPlane(plane, 20, 3)); }
    void TearDown() override { releaseLumaPlane(plane); }
    void fillData() {
        for (std::int64_t y = 0; y < 3; ++y)
            for (int x = 0; x < 16; ++x) rowData(plane, y)[x] = static_cast<std::int16_t>(100 * y + x + 1);
    }
    LumaPlane plane;
};

TEST_F(GuardTest, GuardBlocksReplicateTheEdgeSamplesNotABlock) {
    fillData();
    for (std::int64_t y = 0; y < 3; ++y) fillGuardBlocks(plane, y);
    for (std::int64_t y = 0; y < 3; ++y) {
        const std::int16_t* row = rowData(plane, y);
        for (int i = 1; i <= 8; ++i) EXPECT_EQ(row[-i], 100 * y + 1) << y;
        for (int i = 16; i < 24; ++i) EXPECT_EQ(row[i], 100 * y + 16) << y;
    }
}

TEST_F(GuardTest, GuardRowsCopyTheEdgeRowsWhole) {
    fillData();
    for (std::int64_t y = 0; y < 3; ++y) fillGuardBlocks(plane, y);
    fillGuardRows(plane);
    for (std::ptrdiff_t x = -8; x < 24; ++x) {
        EXPECT_EQ(rowData(plane, -1)[x], rowData(plane, 0)[x]) << x;
        EXPECT_EQ(rowData(plane, 3)[x], rowData(plane, 2)[x]) << x;
    }
}

TEST(LumaPlane, OneRowPlaneHasBothGuardRowsFromRowZero) {
    LumaPlane p;
    ASSERT_TRUE(createLumaPlane(p, 8, 1));
    for (int x = 0; x < 8; ++x) rowData(p, 0)[x] = static_cast<std::int16_t>(x * 3);
    fillGuardRows(p);
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(rowData(p, -1)[x], x * 3);
        EXPECT_EQ(rowData(p, 1)[x], x * 3);
    }
    releaseLumaPlane(p);
}

TEST(LoadLuma, TakesTheYBytesAndReplicatesTheEdges) {
    // Width 20: pixels 16..19 do not take part; the right guard holds pixel 15.
    Yuy2Frame frame(20, 2, 0, 5);
    frame.fillLuma([](std::uint32_t x, std::uint32_t y) { return 10 * x + y; });
    LumaPlane p;
    ASSERT_TRUE(createLumaPlane(p, 20, 2));
    loadLuma(frame.view(), p, scalarKernels());
    for (std::int64_t y = -1; y <= 2; ++y) {
        const std::int64_t src = y < 0 ? 0 : (y > 1 ? 1 : y);
        const std::int16_t* row = rowData(p, y);
        for (int x = 0; x < 16; ++x) EXPECT_EQ(row[x], 10 * x + src);
        for (int i = 1; i <= 8; ++i) EXPECT_EQ(row[-i], src);
        for (int i = 16; i < 24; ++i) EXPECT_EQ(row[i], 150 + src);
    }
    releaseLumaPlane(p);
}

TEST(LoadLuma, DropsChromaEvenWhenAllBitsAreSet) {
    Yuy2Frame frame(8, 1);
    for (int i = 0; i < 16; ++i) frame.row(0)[i] = 255;
    for (Isa isa : availableIsas()) {
        LumaPlane p;
        ASSERT_TRUE(createLumaPlane(p, 8, 1));
        loadLuma(frame.view(), p, kernelsFor(isa));
        for (int x = 0; x < 8; ++x) EXPECT_EQ(rowData(p, 0)[x], 255) << isaName(isa);
        releaseLumaPlane(p);
    }
}

TEST(LoadLuma, NarrowFrameFillsBothGuardsWithPixelZero) {
    Yuy2Frame frame(4, 2);
    frame.fillLuma([](std::uint32_t x, std::uint32_t y) { return 50 + x + 10 * y; });
    LumaPlane p;
    ASSERT_TRUE(createLumaPlane(p, 4, 2));
    loadLuma(frame.view(), p, scalarKernels());
    for (std::int64_t y = 0; y < 2; ++y)
        for (int i = -8; i < 8; ++i) EXPECT_EQ(rowData(p, y)[i], 50 + 10 * y);
    releaseLumaPlane(p);
}

struct EncodingCase {
    std::int16_t sample;
    StoreEncoding encoding;
    int expected;
};

TEST(StoreLuma, EncodesTheLowByteWithoutClamping) {
    const EncodingCase cases[] = {
        {-200, StoreEncoding::AsIs, 56},          {-200, StoreEncoding::Plus128, 184},
        {-200, StoreEncoding::QuarterPlus128, 78}, {300, StoreEncoding::AsIs, 44},
        {-1, StoreEncoding::QuarterPlus128, 127},  {-7, StoreEncoding::QuarterPlus128, 126},
        {7, StoreEncoding::QuarterPlus128, 129},   {0, StoreEncoding::Plus128, 128},
        {0, StoreEncoding::QuarterPlus128, 128},   {-32768, StoreEncoding::QuarterPlus128, 128},
        {32767, StoreEncoding::Plus128, 127},
    };
    for (Isa isa : availableIsas()) {
        for (const auto& c : cases) {
            Yuy2Frame frame(8, 1);
            const auto before = frame.bytes();
            LumaPlane p;
            ASSERT_TRUE(createLumaPlane(p, 8, 1));
            for (int x = 0; x < 8; ++x) rowData(p, 0)[x] = c.sample;
            storeLuma(p, frame.view(), c.encoding, kernelsFor(isa));
            for (int x = 0; x < 8; ++x) {
                EXPECT_EQ(frame.luma(x, 0), c.expected) << isaName(isa) << " sample " << c.sample;
                EXPECT_EQ(frame.row(0)[2 * x + 1], before[2 * x + 1]);
            }
            releaseLumaPlane(p);
        }
    }
}

TEST(StoreLuma, WritesOnlyTheYBytesOfWholeBlocksAtAnyPitchAndAlignment) {
    for (Isa isa : availableIsas()) {
        for (std::size_t offset : {0u, 1u, 3u, 8u}) {
            Yuy2Frame frame(21, 3, 60, offset);
            const auto before = frame.bytes();
            LumaPlane p;
            ASSERT_TRUE(createLumaPlane(p, 21, 3));
            for (std::size_t i = 0; i < p.storageSamples(); ++i) p.storage()[i] = 1000;  // 1000 mod 256 = 232
            storeLuma(p, frame.view(), StoreEncoding::AsIs, kernelsFor(isa));
            const auto after = frame.bytes();
            for (std::size_t i = 0; i < after.size(); ++i) {
                const std::size_t col = i % 60;
                const bool written = col < 32 && col % 2 == 0;
                EXPECT_EQ(after[i], written ? 232 : before[i]) << isaName(isa) << " byte " << i << " offset " << offset;
            }
            releaseLumaPlane(p);
        }
    }
}

}  // namespace
}  // namespace quillane
