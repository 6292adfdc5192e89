// Planar luma (one byte per sample) must come out exactly as the same luma
// does inside a YUY2 frame, on every path, and nothing else in the plane may change.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "filter_harness.h"

namespace quillane {
namespace {

class PlanarLuma : public ::testing::TestWithParam<Isa> {};

TEST_P(PlanarLuma, SameLumaAsTheYuy2FrameInEveryView) {
    std::mt19937 rng(77);
    const Kernels& kernels = kernelsFor(GetParam());
    for (std::uint32_t width : {8u, 13u, 16u, 37u, 64u, 130u})
        for (std::uint32_t height : {1u, 2u, 3u, 7u})
            for (int debug = -1; debug <= 6; ++debug) {
                const FilterSettings settings{static_cast<std::int32_t>(rng() % 129),
                                              static_cast<std::int32_t>(rng() % 513),
                                              static_cast<std::int32_t>(rng() % 3), debug};
                test::Yuy2Frame packed(width, height, 0, rng() % 16);
                packed.fillRandom(rng);
                const std::size_t pitch = width + rng() % 9;
                std::vector<std::uint8_t> planar(pitch * height + 1);
                for (auto& b : planar) b = static_cast<std::uint8_t>(rng());
                for (std::uint32_t y = 0; y < height; ++y)
                    for (std::uint32_t x = 0; x < width; ++x) planar[1 + y * pitch + x] = packed.luma(x, y);
                const std::vector<std::uint8_t> before = planar;

                test::runFilter(packed, settings, kernels);
                PlaneSet planes;
                ASSERT_TRUE(planes.create(width, height));
                processPlanarLuma(PlanarLumaView{planar.data() + 1, static_cast<std::int32_t>(pitch), width, height},
                                  settings, planes, kernels);

                const std::uint32_t processed = width / 8 * 8;
                for (std::size_t i = 0; i < planar.size(); ++i) {
                    const bool inside = i >= 1 && (i - 1) % pitch < processed && (i - 1) / pitch < height;
                    if (inside) {
                        const auto x = static_cast<std::uint32_t>((i - 1) % pitch), y = static_cast<std::uint32_t>((i - 1) / pitch);
                        ASSERT_EQ(planar[i], packed.luma(x, y)) << width << "x" << height << " debug " << debug
                                                                 << " at " << x << "," << y;
                    } else {
                        ASSERT_EQ(planar[i], before[i]) << "byte " << i << " outside the processed luma changed";
                    }
                }
            }
}

INSTANTIATE_TEST_SUITE_P(Paths, PlanarLuma, ::testing::ValuesIn(availableIsas()), test::isaParamName);

}  // namespace
}  // namespace quillane
