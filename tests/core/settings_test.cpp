// Settings shared by every front end: threshold4, and the refusals with their
// exact messages in the plugin's order.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "filter_settings.h"

namespace quillane {
namespace {

constexpr CpuIdLeaf1 kCapable{(1u << 0) | (1u << 19), 1u << 26};

TEST(Threshold4, SinglePrecisionProductTruncated) {
    struct Case { double threshold; std::int32_t expected; };
    const Case cases[] = {
        {1.0, 4}, {0.3, 1}, {0.24, 0}, {0.25, 1}, {128.0, 512}, {0.0, 0}, {-0.0, 0}, {2.0, 8},
        {0.7499999999, 3},  // rounds to 0.75f first
        {0.7499, 2}, {127.99, 511}, {1e-30, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(threshold4FromThreshold(thresholdToSingle(c.threshold)), c.expected) << c.threshold;
}

TEST(Threshold4, OutOfRangeDoublesBecomeInfinitiesNotUndefinedConversions) {
    EXPECT_EQ(thresholdToSingle(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(thresholdToSingle(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(thresholdToSingle(std::nan(""))));
    EXPECT_EQ(threshold4FromThreshold(std::numeric_limits<float>::infinity()), 0);
    EXPECT_EQ(threshold4FromThreshold(std::nanf("")), 0);
}

struct RefusalCase {
    CpuIdLeaf1 cpu;
    std::int32_t strength;
    double threshold;
    std::int32_t type;
    const char* message;  // nullptr: accepted
};

TEST(SettingsError, FirstFailingTestInThePluginsOrder) {
    const CpuIdLeaf1 noSse41{1u << 0, 1u << 26}, noSse3{1u << 19, 1u << 26}, noSse2{(1u << 0) | (1u << 19), 0};
    const double nan = std::nan("");
    const RefusalCase cases[] = {
        {kCapable, 11, 1.0, 0, nullptr},
        {kCapable, 0, 0.0, 0, nullptr},
        {kCapable, 128, 128.0, 2, nullptr},
        {kCapable, 11, -0.0, 1, nullptr},
        {kCapable, -1, 1.0, 0, kMessageStrength},
        {kCapable, 129, 1.0, 0, kMessageStrength},
        {kCapable, 11, -0.01, 0, kMessageThreshold},
        {kCapable, 11, 128.01, 0, kMessageThreshold},
        {kCapable, 11, nan, 0, kMessageThreshold},
        {kCapable, 11, 1e300, 0, kMessageThreshold},
        {kCapable, 11, 1.0, -1, kMessageType},
        {kCapable, 11, 1.0, 3, kMessageType},
        {kCapable, 200, 1.0, 7, kMessageStrength},
        {kCapable, 11, 500.0, 7, kMessageThreshold},
        {noSse41, 200, 1.0, 0, kMessageProcessor},
        {noSse3, 11, 1.0, 0, kMessageProcessor},
        {noSse2, 11, 1.0, 0, kMessageProcessor},
    };
    for (const auto& c : cases) {
        const char* got = settingsError(c.cpu, c.strength, thresholdToSingle(c.threshold), c.type);
        EXPECT_EQ(std::string(got ? got : "accepted"), std::string(c.message ? c.message : "accepted"))
            << "strength " << c.strength << " threshold " << c.threshold << " type " << c.type;
    }
}

TEST(SettingsError, MessagesAreExact) {
    EXPECT_STREQ(kMessageNotYuy2, "Quillane: Requires YUY2 input");
    EXPECT_STREQ(kMessageProcessor, "QUILLANE:this machine do not support SSE2/3/4.");
    EXPECT_STREQ(kMessageStrength, "QUILLANE:strength must be 0 to 128.");
    EXPECT_STREQ(kMessageThreshold, "QUILLANE:threshold must be 0 to 128.");
    EXPECT_STREQ(kMessageType, "QUILLANE:type must be 0 to 2.");
    EXPECT_EQ(kVersionText, "Quillane ver 0.1");
}

TEST(SettingsError, DebugIsNeverRefused) {
    for (std::int32_t debug : {-1, 0, 6, 99, std::numeric_limits<std::int32_t>::min()}) {
        const FilterSettings s = makeFilterSettings(11, 1.0f, 0, debug);
        EXPECT_EQ(s.debug, debug);
        EXPECT_EQ(s.strength, 11);
        EXPECT_EQ(s.threshold4, 4);
    }
}

TEST(ProcessorRequirement, ReadsTheThreeFeatureBits) {
    EXPECT_TRUE(meetsFilterRequirement(kCapable));
    EXPECT_TRUE(meetsFilterRequirement(CpuIdLeaf1{0xFFFFFFFFu, 0xFFFFFFFFu}));
    for (int bit = 0; bit < 32; ++bit) {
        const bool needed = bit == 0 || bit == 19;
        EXPECT_EQ(meetsFilterRequirement(CpuIdLeaf1{0xFFFFFFFFu & ~(1u << bit), 0xFFFFFFFFu}), !needed) << "ecx " << bit;
        EXPECT_EQ(meetsFilterRequirement(CpuIdLeaf1{0xFFFFFFFFu, 0xFFFFFFFFu & ~(1u << bit)}), bit != 26) << "edx " << bit;
    }
}

}  // namespace
}  // namespace quillane
