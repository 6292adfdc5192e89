#include <cmath>
#include <limits>
#include <vector>

#include "plugin_fixture.h"
#include "test_frame.h"

namespace quillane::test {

// Found by argument lookup: the case types live in this namespace.
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.label; }

namespace {

constexpr int kFrame = 3;

class Creation : public PluginTest {
protected:
    Source source = makeSource(yuy2Info(64, 16));

    void expectFilterBehavesAs(const Named& named, const FilterSettings& settings) {
        const AVSValue filter = create(source, named);
        ASSERT_TRUE(filter.IsClip());
        const PVideoFrame frame = filter.AsClip()->GetFrame(kFrame, &env);
        EXPECT_EQ(rowsOf(*frame), rowsOf(expectedFrame(*source, kFrame, settings)));
    }
};

// The comparison with processFrame only shows the settings if the test frame
// tells each of them apart from its neighbours.
TEST_F(Creation, TestFrameTellsNeighbouringSettingsApart) {
    const auto expected = rowsOf(expectedFrame(*source, kFrame, {11, 4, 0, 0}));
    for (const FilterSettings other : std::vector<FilterSettings>{
             {10, 4, 0, 0}, {12, 4, 0, 0}, {11, 3, 0, 0}, {11, 5, 0, 0}, {11, 8, 0, 0}, {11, 4, 1, 0}, {11, 4, 0, 1}})
        EXPECT_NE(rowsOf(expectedFrame(*source, kFrame, other)), expected)
            << other.strength << " " << other.threshold4 << " " << other.type << " " << other.debug;
}

TEST_F(Creation, ClipAloneTakesTheDefaults) { expectFilterBehavesAs({}, {11, 4, 0, 0}); }

struct ArgumentCase {
    const char* label;
    Named named;
    FilterSettings settings;
};

void PrintTo(const ArgumentCase& c, std::ostream* os) { *os << c.label; }

class Arguments : public Creation, public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(Arguments, ReachTheFilterAsSettings) { expectFilterBehavesAs(GetParam().named, GetParam().settings); }

INSTANTIATE_TEST_SUITE_P(
    Creation, Arguments,
    ::testing::Values(
        ArgumentCase{"strength0", {{"strength", 0}}, {0, 4, 0, 0}},
        ArgumentCase{"strength128", {{"strength", 128}}, {128, 4, 0, 0}},
        ArgumentCase{"integerThreshold2", {{"threshold", 2}}, {11, 8, 0, 0}},
        ArgumentCase{"floatThreshold2", {{"threshold", 2.0f}}, {11, 8, 0, 0}},
        ArgumentCase{"integerThreshold0", {{"threshold", 0}}, {11, 0, 0, 0}},
        ArgumentCase{"threshold0_3", {{"threshold", 0.3f}}, {11, 1, 0, 0}},
        ArgumentCase{"threshold0_25", {{"threshold", 0.25f}}, {11, 1, 0, 0}},
        ArgumentCase{"threshold0_24", {{"threshold", 0.24f}}, {11, 0, 0, 0}},
        ArgumentCase{"thresholdMinusZero", {{"threshold", -0.0f}}, {11, 0, 0, 0}},
        ArgumentCase{"integerThreshold128", {{"threshold", 128}}, {11, 512, 0, 0}},
        ArgumentCase{"type1", {{"type", 1}}, {11, 4, 1, 0}},
        ArgumentCase{"type2", {{"type", 2}}, {11, 4, 2, 0}},
        ArgumentCase{"debugMinus1", {{"debug", -1}}, {11, 4, 0, -1}},
        ArgumentCase{"debug3", {{"debug", 3}}, {11, 4, 0, 3}},
        ArgumentCase{"debug99", {{"debug", 99}}, {11, 4, 0, 99}},
        ArgumentCase{"all", {{"strength", 20}, {"threshold", 3.5f}, {"type", 2}, {"debug", 5}}, {20, 14, 2, 5}}),
    [](const auto& info) { return std::string(info.param.label); });

class Refusals : public PluginTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, ReportOnlyTheFirstFailingTestAndReleaseTheInput) {
    const RefusalCase& c = GetParam();
    VideoInfo vi = yuy2Info(c.width, c.height);
    vi.pixel_type = c.pixelType;
    const Source source = makeSource(vi);
    const FakeProcessor cpu(c.processor);
    const int references = source->references();

    EXPECT_EQ(refusal(source, c.named), c.message);
    EXPECT_EQ(source->references(), references);
}

INSTANTIATE_TEST_SUITE_P(Creation, Refusals, ::testing::ValuesIn(refusalCases()),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Creation, FilterHoldsOneReferenceToItsInputUntilReleased) {
    const int before = source->references();
    {
        const AVSValue filter = create(source);
        EXPECT_EQ(source->references(), before + 1);
    }
    EXPECT_EQ(source->references(), before);
}

// Absurd sizes end in a script error before any other test, not in a crash.
TEST_F(Creation, PlanesThatCannotBeMadeRaiseAScriptError) {
    struct Size {
        int width, height;
        const char* message;
    };
    for (const Size size : {Size{-1, -1, "QUILLANE:not enough memory for a 4294967295x4294967295 clip."},
                            Size{0x7ffffff8, 0x7fffffff, "QUILLANE:not enough memory for a 2147483640x2147483647 clip."}}) {
        const Source huge = makeSource(yuy2Info(size.width, size.height));
        const FakeProcessor cpu(kNoSse41);
        const int references = huge->references();
        EXPECT_EQ(refusal(huge, {{"strength", 500}}), size.message);
        EXPECT_EQ(huge->references(), references);
    }
}

// The module reads the processor itself unless a test stands in for it.
TEST_F(Creation, RealProcessorDecidesWithoutAStandIn) {
    const auto fake = PluginModule::get().setCpuIdReader(nullptr);
    CpuIdLeaf1 leaf;
    const bool capable = readCpuIdLeaf1(leaf) && meetsFilterRequirement(leaf);
    if (capable) {
        EXPECT_NO_THROW(create(source));
    } else {
        EXPECT_EQ(refusal(source), kProcessorRefusal);
    }
    PluginModule::get().setCpuIdReader(fake);
}

}  // namespace
}  // namespace quillane::test
