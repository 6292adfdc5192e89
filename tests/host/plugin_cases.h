#pragma once

#include <map>
#include <string>
#include <vector>

#include "cpu_features.h"
#include "filter_settings.h"
#include "host_interface.h"
#include "source_clip.h"

// Script calls of Quillane that every test host runs: the Linux module's tests
// and the Windows program that loads the DLL.
namespace quillane::test {

using Named = std::map<std::string, AVSValue>;

// Quillane(clip, named...) on a width x height source whose frames are laid out
// as given; settings is what the filter must apply.
struct FrameCase {
    const char* label;
    int width, height;
    FrameLayout layout;
    Named named;
    FilterSettings settings;
};

// The frames each case pulls.
inline constexpr int kCaseFrames[] = {0, 5};

const std::vector<FrameCase>& frameCases();

// SSE2, SSE3 and SSE4.1, the filter's requirement.
inline constexpr CpuIdLeaf1 kCapableProcessor{1u | 1u << 19, 1u << 26};
inline constexpr CpuIdLeaf1 kNoSse41{kCapableProcessor.ecx & ~(1u << 19), kCapableProcessor.edx};
inline constexpr CpuIdLeaf1 kNoSse3{kCapableProcessor.ecx & ~1u, kCapableProcessor.edx};
inline constexpr CpuIdLeaf1 kNoSse2{kCapableProcessor.ecx, 0};

inline constexpr const char* kProcessorRefusal = "QUILLANE:this machine do not support SSE2/3/4.";

// A call the filter must refuse with message, on a processor reporting these bits.
struct RefusalCase {
    const char* label;
    int pixelType;
    Named named;
    CpuIdLeaf1 processor;
    const char* message;
    int width = 64, height = 16;
};

const std::vector<RefusalCase>& refusalCases();

}  // namespace quillane::test
