#pragma once

#include <cstdint>
#include <string_view>

#include "cpu_features.h"

namespace quillane {

// The validated parameters as the pipeline reads them.
struct FilterSettings {
    std::int32_t strength = 11;
    std::int32_t threshold4 = 4;
    std::int32_t type = 0;
    std::int32_t debug = 0;
};

inline constexpr std::int32_t kDefaultStrength = 11;
inline constexpr double kDefaultThreshold = 1.0;
inline constexpr std::int32_t kDefaultType = 0;
inline constexpr std::int32_t kDefaultDebug = 0;

inline constexpr std::string_view kVersionText = "Quillane ver 0.1";
inline constexpr const char* kMessageNotYuy2 = "Quillane: Requires YUY2 input";
inline constexpr const char* kMessageProcessor = "QUILLANE:this machine do not support SSE2/3/4.";
inline constexpr const char* kMessageStrength = "QUILLANE:strength must be 0 to 128.";
inline constexpr const char* kMessageThreshold = "QUILLANE:threshold must be 0 to 128.";
inline constexpr const char* kMessageType = "QUILLANE:type must be 0 to 2.";

// A script or command-line threshold (double) as the filter holds it: the
// nearest float, with magnitudes beyond float range becoming infinities.
float thresholdToSingle(double threshold);

// threshold * 4.0f in single precision, truncated toward zero. Only defined
// for thresholds that pass validation; anything else yields 0.
std::int32_t threshold4FromThreshold(float threshold);

// The first refusal, in the plugin's order (processor, strength, threshold,
// type), or nullptr when the settings are accepted. debug is never refused.
// A NaN threshold is refused.
const char* settingsError(const CpuIdLeaf1& cpu, std::int32_t strength, float threshold, std::int32_t type);
// The same without the processor test, for front ends that can fall back to the portable path.
const char* settingsError(std::int32_t strength, float threshold, std::int32_t type);

// The record for accepted settings.
FilterSettings makeFilterSettings(std::int32_t strength, float threshold, std::int32_t type, std::int32_t debug);

}  // namespace quillane
