// Every SIMD path against the portable one, byte for byte: each row function
// on full-range 16-bit input (intermediates pushed to saturation and wrap),
// and whole frames over random geometries, alignments and settings.

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "filter_harness.h"

namespace quillane {
namespace {

const Isa kAllSimd[] = {Isa::Sse41, Isa::Avx2, Isa::Avx512};

class Differential : public ::testing::TestWithParam<Isa> {
protected:
    void SetUp() override {
        if (!isaAvailable(GetParam()))
            GTEST_SKIP() << "path " << isaName(GetParam()) << " is not available on this build or processor";
    }
    const Kernels& simd() const { return kernelsFor(GetParam()); }
    const Kernels& scalar() const { return scalarKernels(); }
};

// 16-byte aligned sample rows with a guard sample on each side of the data.
struct SampleRows {
    explicit SampleRows(std::size_t samples) : storage((samples + 16) * 4 + 8) {}
    std::int16_t* row(int i) {
        auto base = reinterpret_cast<std::uintptr_t>(storage.data());
        auto* aligned = reinterpret_cast<std::int16_t*>((base + 15) & ~std::uintptr_t{15});
        return aligned + 8 + static_cast<std::size_t>(i) * (stride());
    }
    std::size_t stride() const { return (storage.size() - 8) / 4 / 8 * 8; }
    std::vector<std::int16_t> storage;
};

std::int16_t extremeSample(std::mt19937& rng) {
    static const std::int16_t edges[] = {-32768, -32767, -1022, -766, -765, -256, -255, -1, 0, 1,
                                         255,    256,    765,   767,  779,  1021, 4605, 4677, 32766, 32767};
    return rng() % 3 == 0 ? edges[rng() % std::size(edges)] : static_cast<std::int16_t>(rng());
}

TEST_P(Differential, RowFunctionsOnFullRangeSamples) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 200; ++round) {
        const std::size_t samples = 8 * (1 + rng() % 24);  // odd block counts exercise the narrow tails
        SampleRows in(samples), outA(samples), outB(samples);
        for (int r = 0; r < 3; ++r)
            for (std::ptrdiff_t i = -8; i < static_cast<std::ptrdiff_t>(samples) + 8; ++i) in.row(r)[i] = extremeSample(rng);
        const std::int16_t value = extremeSample(rng);
        auto compare = [&](const char* what) {
            for (std::size_t i = 0; i < samples; ++i)
                ASSERT_EQ(outA.row(0)[i], outB.row(0)[i]) << what << " sample " << i << " of " << samples;
        };
        const std::int16_t* up = in.row(0);
        const std::int16_t* centre = in.row(1);
        const std::int16_t* down = in.row(2);

        using Horizontal = Kernels::HorizontalRow Kernels::*;
        for (auto [member, name] : {std::pair<Horizontal, const char*>{&Kernels::binomialHorizontal, "binomialHorizontal"},
                                    {&Kernels::boxHorizontal, "boxHorizontal"}}) {
            (scalar().*member)(centre, outA.row(0), samples);
            (simd().*member)(centre, outB.row(0), samples);
            compare(name);
        }
        using Neighbour = Kernels::NeighbourRow Kernels::*;
        for (auto [member, name] : {std::pair<Neighbour, const char*>{&Kernels::binomialVertical, "binomialVertical"},
                                    {&Kernels::boxVertical, "boxVertical"},
                                    {&Kernels::crossSmooth, "crossSmooth"},
                                    {&Kernels::crossRefine, "crossRefine"}}) {
            (scalar().*member)(up, centre, down, outA.row(0), samples);
            (simd().*member)(up, centre, down, outB.row(0), samples);
            compare(name);
        }
        using Pair = Kernels::PairRow Kernels::*;
        for (auto [member, name] : {std::pair<Pair, const char*>{&Kernels::difference, "difference"},
                                    {&Kernels::recombine, "recombine"}}) {
            (scalar().*member)(up, centre, outA.row(0), samples);
            (simd().*member)(up, centre, outB.row(0), samples);
            compare(name);
        }
        using Span = Kernels::Span Kernels::*;
        for (auto [member, name] : {std::pair<Span, const char*>{&Kernels::sixteenths, "sixteenths"},
                                    {&Kernels::ninths, "ninths"}}) {
            std::copy(centre, centre + samples, outA.row(0));
            std::copy(centre, centre + samples, outB.row(0));
            (scalar().*member)(outA.row(0), samples);
            (simd().*member)(outB.row(0), samples);
            compare(name);
        }
        using SpanWith = Kernels::SpanWith Kernels::*;
        for (auto [member, name] : {std::pair<SpanWith, const char*>{&Kernels::core, "core"}, {&Kernels::scale, "scale"}}) {
            std::copy(centre, centre + samples, outA.row(0));
            std::copy(centre, centre + samples, outB.row(0));
            (scalar().*member)(outA.row(0), samples, value);
            (simd().*member)(outB.row(0), samples, value);
            compare(name);
        }
        // Frame rows, packed and planar, one byte off alignment.
        using Rows = Kernels::FrameRows Kernels::*;
        for (auto [rows, name, bytesPerSample] : {std::tuple<Rows, const char*, std::size_t>{&Kernels::packed, "packed", 2},
                                                  {&Kernels::planar, "planar", 1}}) {
            SCOPED_TRACE(name);
            std::vector<std::uint8_t> a(samples * bytesPerSample + 1), b;
            for (auto& byte : a) byte = static_cast<std::uint8_t>(rng());
            b = a;
            for (StoreEncoding encoding : {StoreEncoding::AsIs, StoreEncoding::Plus128, StoreEncoding::QuarterPlus128}) {
                (scalar().*rows).store(centre, a.data() + 1, samples, encoding);
                (simd().*rows).store(centre, b.data() + 1, samples, encoding);
                ASSERT_EQ(a, b) << "store, encoding " << static_cast<int>(encoding);
                (scalar().*rows).load(a.data() + 1, outA.row(0), samples);
                (simd().*rows).load(a.data() + 1, outB.row(0), samples);
                compare("load");
            }
            const std::int16_t strength = extremeSample(rng);
            (scalar().*rows).refineToFrame(up, centre, down, in.row(0), a.data() + 1, samples, value, strength);
            (simd().*rows).refineToFrame(up, centre, down, in.row(0), b.data() + 1, samples, value, strength);
            ASSERT_EQ(a, b) << "refineToFrame";
        }
    }
}

FilterSettings randomSettings(std::mt19937& rng) {
    static const std::int32_t strengths[] = {0, 1, 8, 11, 32, 33, 64, 127, 128};
    static const std::int32_t thresholds[] = {0, 1, 3, 4, 101, 102, 511, 512};
    FilterSettings s;
    s.strength = rng() % 2 ? strengths[rng() % std::size(strengths)] : static_cast<std::int32_t>(rng() % 129);
    s.threshold4 = rng() % 2 ? thresholds[rng() % std::size(thresholds)] : static_cast<std::int32_t>(rng() % 513);
    s.type = static_cast<std::int32_t>(rng() % 3);
    s.debug = static_cast<std::int32_t>(rng() % 8) - 1;  // -1..6
    return s;
}

// The bytes a frame may change: Y bytes of pixels 0..8n-1 of each row.
void expectOnlyProcessedLumaChanged(const test::Yuy2Frame& before, const test::Yuy2Frame& after) {
    const auto a = before.bytes(), b = after.bytes();
    const std::size_t processedBytes = std::size_t{before.width()} / 8 * 16;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t column = i % before.pitch();
        if (column % 2 == 1 || column >= processedBytes) {
            ASSERT_EQ(a[i], b[i]) << "byte " << i << " changed";
        }
    }
}

void expectSameAsScalar(const test::Yuy2Frame& input, const FilterSettings& s, const Kernels& simd) {
    test::Yuy2Frame reference(input), candidate(input);
    test::runFilter(reference, s, scalarKernels());
    test::runFilter(candidate, s, simd);
    expectOnlyProcessedLumaChanged(input, candidate);
    ASSERT_EQ(candidate.bytes(), reference.bytes())
        << input.width() << "x" << input.height() << " pitch " << input.pitch() << " misaligned by "
        << input.misalignment() << " strength " << s.strength << " threshold4 " << s.threshold4 << " type " << s.type
        << " debug " << s.debug;
}

TEST_P(Differential, RandomFramesGeometriesAndSettings) {
    std::mt19937 rng(99);
    std::vector<std::uint32_t> widths;
    for (std::uint32_t w = 2; w <= 64; ++w) widths.push_back(w);
    widths.push_back(720);
    for (std::uint32_t width : widths)
        for (std::uint32_t height : {1u, 2u, 3u, 4u, 5u, 9u}) {
            if (width == 720 && height > 3) continue;
            const std::size_t pitch = width * 2 + (rng() % 3 == 0 ? 0 : 2 * (rng() % 20) + rng() % 2);
            test::Yuy2Frame input(width, height, pitch, rng() % 16);
            input.fillRandom(rng);
            expectSameAsScalar(input, randomSettings(rng), simd());
        }
}

TEST_P(Differential, MaxedPatternsPushEveryStageToItsLimits) {
    using Pattern = int (*)(std::uint32_t x, std::uint32_t y, std::uint32_t seed);
    const Pattern patterns[] = {
        [](std::uint32_t x, std::uint32_t y, std::uint32_t) { return (x + y) % 2 ? 255 : 0; },
        [](std::uint32_t x, std::uint32_t, std::uint32_t) { return x % 2 ? 255 : 0; },
        [](std::uint32_t, std::uint32_t y, std::uint32_t) { return y % 2 ? 255 : 0; },
        [](std::uint32_t x, std::uint32_t y, std::uint32_t s) { return ((x * 7 + y * 13 + s) % 5 == 0) ? 255 : 0; },
        [](std::uint32_t x, std::uint32_t y, std::uint32_t s) { return ((x * 31 + y * 17) ^ s) % 3 ? 255 : 0; },
        [](std::uint32_t x, std::uint32_t y, std::uint32_t) { return (x / 2 + y / 2) % 2 ? 255 : 0; },
    };
    std::mt19937 rng(5);
    for (const Pattern pattern : patterns)
        for (int type = 0; type < 3; ++type)
            for (int debug = 0; debug <= 5; ++debug)
                for (std::int32_t strength : {32, 33, 127, 128}) {
                    const std::uint32_t seed = rng();
                    test::Yuy2Frame input(40, 6, 0, rng() % 16);
                    input.fillLuma([&](std::uint32_t x, std::uint32_t y) { return pattern(x, y, seed); });
                    expectSameAsScalar(input, FilterSettings{strength, 0, type, debug}, simd());
                }
}

INSTANTIATE_TEST_SUITE_P(Paths, Differential, ::testing::ValuesIn(kAllSimd), test::isaParamName);

TEST(PortablePath, ChangesOnlyTheProcessedLuma) {
    std::mt19937 rng(21);
    for (std::uint32_t width : {8u, 13u, 31u, 64u})
        for (int debug = 0; debug <= 5; ++debug) {
            test::Yuy2Frame input(width, 4, width * 2 + 6, 3);
            input.fillRandom(rng);
            test::Yuy2Frame output(input);
            test::runFilter(output, FilterSettings{128, 0, debug % 3, debug});
            expectOnlyProcessedLumaChanged(input, output);
            EXPECT_NE(output.bytes(), input.bytes());
        }
}

}  // namespace
}  // namespace quillane
