#include "plugin_cases.h"

#include <limits>

namespace quillane::test {

const std::vector<FrameCase>& frameCases() {
    static const std::vector<FrameCase> cases{
        {"defaults", 64, 16, {}, {}, {11, 4, 0, 0}},
        {"paddedPitchUnaligned", 40, 9, {0, 0, 96, 6}, {{"type", 1}}, {11, 4, 1, 0}},
        {"widthNotMultipleOf8", 20, 5, {}, {{"type", 2}, {"strength", 30}}, {30, 4, 2, 0}},
        {"narrowerThanABlock", 6, 4, {}, {}, {11, 4, 0, 0}},
        {"debugView", 32, 8, {}, {{"debug", 2}}, {11, 4, 0, 2}},
        // Frames larger than the clip: only the clip's own area is cleaned.
        {"frameLargerThanClip", 24, 6, {40, 9, 0, 0}, {}, {11, 4, 0, 0}},
        {"strength0Box", 36, 7, {}, {{"strength", 0}, {"type", 1}}, {0, 4, 1, 0}},
        // Above 32 strong detail wraps around.
        {"strength33IntegerThreshold", 44, 10, {0, 0, 128, 3}, {{"strength", 33}, {"threshold", 3}}, {33, 12, 0, 0}},
        {"strength128FloatThresholdCross", 52, 6, {}, {{"strength", 128}, {"threshold", 0.3f}, {"type", 2}},
         {128, 1, 2, 0}},
        {"integerThreshold0", 30, 8, {0, 0, 64, 0}, {{"threshold", 0}}, {11, 0, 0, 0}},
        {"debug1Cross", 26, 6, {}, {{"debug", 1}, {"type", 2}}, {11, 4, 2, 1}},
        {"debug3Box", 34, 6, {}, {{"debug", 3}, {"type", 1}}, {11, 4, 1, 3}},
        {"debug4Threshold2_75", 48, 6, {}, {{"debug", 4}, {"threshold", 2.75f}}, {11, 11, 0, 4}},
        {"debug5Strength40", 18, 6, {0, 0, 48, 10}, {{"debug", 5}, {"strength", 40}}, {40, 4, 0, 5}},
        {"debug7IsTheCleanedPicture", 24, 6, {}, {{"debug", 7}}, {11, 4, 0, 7}},
    };
    return cases;
}

const std::vector<RefusalCase>& refusalCases() {
    constexpr CpuIdLeaf1 kCapable = kCapableProcessor;
    constexpr int kYuy2 = VideoInfo::CS_YUY2;
    constexpr const char* kNotYuy2 = "Quillane: Requires YUY2 input";
    constexpr const char* kStrength = "QUILLANE:strength must be 0 to 128.";
    constexpr const char* kThreshold = "QUILLANE:threshold must be 0 to 128.";
    constexpr const char* kType = "QUILLANE:type must be 0 to 2.";
    static const std::vector<RefusalCase> cases{
        {"rgb32WithBadStrength", VideoInfo::CS_BGR32, {{"strength", 500}}, kCapable, kNotYuy2},
        {"yv12WithBadType", VideoInfo::CS_YV12, {{"type", 9}}, kCapable, kNotYuy2},
        {"rgb24OnOldProcessor", VideoInfo::CS_BGR24, {}, kNoSse41, kNotYuy2},
        {"noSse41", kYuy2, {}, kNoSse41, kProcessorRefusal},
        {"noSse3", kYuy2, {}, kNoSse3, kProcessorRefusal},
        {"noSse2", kYuy2, {}, kNoSse2, kProcessorRefusal},
        {"noSse41WithBadStrength", kYuy2, {{"strength", 200}}, kNoSse41, kProcessorRefusal},
        {"strengthBeforeType", kYuy2, {{"strength", 200}, {"type", 7}}, kCapable, kStrength},
        {"strengthMinus1", kYuy2, {{"strength", -1}}, kCapable, kStrength},
        {"strength129", kYuy2, {{"strength", 129}}, kCapable, kStrength},
        {"thresholdBeforeType", kYuy2, {{"threshold", -0.01f}, {"type", 3}}, kCapable, kThreshold},
        {"threshold128_01", kYuy2, {{"threshold", 128.01f}}, kCapable, kThreshold},
        {"integerThreshold129", kYuy2, {{"threshold", 129}}, kCapable, kThreshold},
        {"thresholdNaN", kYuy2, {{"threshold", std::numeric_limits<float>::quiet_NaN()}}, kCapable, kThreshold},
        {"typeMinus1", kYuy2, {{"type", -1}}, kCapable, kType},
        {"type3", kYuy2, {{"type", 3}}, kCapable, kType},
        // Absurd sizes end in a script error before any other test, not in a crash.
        {"hugeWithBadStrength", kYuy2, {{"strength", 500}}, kCapable,
         "QUILLANE:not enough memory for a 2147483640x2147483647 clip.", 0x7ffffff8, 0x7fffffff},
        {"negativeSizeWithBadType", kYuy2, {{"type", 9}}, kCapable,
         "QUILLANE:not enough memory for a 4294967295x4294967295 clip.", -1, -1},
    };
    return cases;
}

}  // namespace quillane::test
