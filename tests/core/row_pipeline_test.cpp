// processFrame (row by row) against processFrameByStage (whole planes, the
// stage functions' own sequence) on every path this machine runs.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "pipeline.h"
#include "yuy2_frame.h"

namespace quillane {
namespace {

using test::Yuy2Frame;

struct Geometry {
    std::uint32_t width, height;
    std::size_t pitch, offset;
};

// Heights 1 to 3 make the edge rows each other's neighbours; widths give no
// block, odd block counts (the narrower tail of the 16- and 32-lane paths)
// and pixels past the last block.
const Geometry kGeometries[] = {
    {6, 4, 0, 0},   {8, 1, 0, 0},   {16, 1, 0, 3},  {16, 2, 0, 0},   {20, 3, 48, 5}, {24, 4, 0, 0},
    {40, 5, 0, 8},  {56, 7, 0, 0},  {72, 2, 160, 1}, {136, 9, 0, 0}, {264, 6, 0, 2}, {330, 11, 672, 0},
};

struct Settings {
    std::int32_t strength, threshold4;
};
const Settings kSettings[] = {{11, 4}, {0, 0}, {33, 512}, {128, 1}};
const std::int32_t kDebugValues[] = {0, 1, 2, 3, 4, 5, -1, 6};

// Random bytes, or only 0 and 255, which drive the detail into saturation and wrap-around.
Yuy2Frame makeFrame(const Geometry& g, std::mt19937& rng, bool extremes) {
    Yuy2Frame frame(g.width, g.height, g.pitch, g.offset);
    frame.fillRandom(rng);
    if (extremes) frame.fillLuma([&](std::uint32_t, std::uint32_t) { return (rng() & 1) * 255; });
    return frame;
}

std::string caseName(Isa isa, const Geometry& g, const FilterSettings& s, bool extremes) {
    return std::string(isaName(isa)) + " " + std::to_string(g.width) + "x" + std::to_string(g.height) +
           " type " + std::to_string(s.type) + " debug " + std::to_string(s.debug) + " strength " +
           std::to_string(s.strength) + " threshold4 " + std::to_string(s.threshold4) +
           (extremes ? " extremes" : " random");
}

TEST(RowPipeline, MatchesStageByStageInEveryViewOnEveryPath) {
    for (Isa isa : {Isa::Scalar, Isa::Sse41, Isa::Avx2, Isa::Avx512})
        if (!isaAvailable(isa)) std::cout << "[ skipped  ] path " << isaName(isa) << " (not on this machine)\n";

    std::mt19937 rng(2024);
    for (Isa isa : availableIsas()) {
        const Kernels& kernels = kernelsFor(isa);
        for (const Geometry& g : kGeometries) {
            // Reused across cases, so whatever one case leaves in the planes must not reach the next.
            PlaneSet dirty;
            ASSERT_TRUE(dirty.create(g.width, g.height));
            for (std::int32_t type = 0; type <= 2; ++type)
                for (const Settings& strengthAndThreshold : kSettings)
                    for (std::int32_t debug : kDebugValues)
                        for (bool extremes : {false, true}) {
                            const FilterSettings settings{strengthAndThreshold.strength,
                                                          strengthAndThreshold.threshold4, type, debug};
                            Yuy2Frame rows = makeFrame(g, rng, extremes);
                            Yuy2Frame stages = rows;
                            PlaneSet fresh;
                            ASSERT_TRUE(fresh.create(g.width, g.height));
                            processFrameByStage(stages.view(), settings, fresh, kernels);
                            processFrame(rows.view(), settings, dirty, kernels);
                            ASSERT_EQ(rows.bytes(), stages.bytes()) << caseName(isa, g, settings, extremes);
                        }
        }
    }
}

}  // namespace
}  // namespace quillane
