#include "filter_settings.h"

#include <cmath>
#include <limits>

namespace quillane {
namespace {

bool thresholdInRange(float threshold) { return threshold >= 0.0f && threshold <= 128.0f; }

}  // namespace

float thresholdToSingle(double threshold) {
    // Out-of-range double to float conversion is undefined; infinities are refused later anyway.
    constexpr double kMax = std::numeric_limits<float>::max();
    if (threshold > kMax) return std::numeric_limits<float>::infinity();
    if (threshold < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(threshold);
}

std::int32_t threshold4FromThreshold(float threshold) {
    if (!thresholdInRange(threshold)) return 0;
    const volatile float product = threshold * 4.0f;  // rounded to float before truncation
    return static_cast<std::int32_t>(product);
}

const char* settingsError(const CpuIdLeaf1& cpu, std::int32_t strength, float threshold, std::int32_t type) {
    if (!meetsFilterRequirement(cpu)) return kMessageProcessor;
    return settingsError(strength, threshold, type);
}

const char* settingsError(std::int32_t strength, float threshold, std::int32_t type) {
    if (strength < 0 || strength > 128) return kMessageStrength;
    if (!thresholdInRange(threshold)) return kMessageThreshold;
    if (type < 0 || type > 2) return kMessageType;
    return nullptr;
}

FilterSettings makeFilterSettings(std::int32_t strength, float threshold, std::int32_t type, std::int32_t debug) {
    return FilterSettings{strength, threshold4FromThreshold(threshold), type, debug};
}

}  // namespace quillane
