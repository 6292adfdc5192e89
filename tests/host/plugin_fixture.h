#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "filter_settings.h"
#include "plugin_module.h"
#include "script_call.h"
#include "source_clip.h"
#include "test_environment.h"
#include "yuy2_frame.h"

namespace quillane::test {

using Source = CountedRef<SourceClip>;
using Named = std::map<std::string, AVSValue>;

// A host with the module loaded and Quillane registered, on a processor that
// meets the requirement unless a test says otherwise.
class PluginTest : public ::testing::Test {
protected:
    PluginTest();

    static Source makeSource(const VideoInfo& vi, FrameLayout layout = {}, bool caching = false);
    // The script call Quillane(source, named...).
    AVSValue create(const Source& source, const Named& named = {});
    // The message of the script error the call raises; fails the test if none.
    std::string refusal(const Source& source, const Named& named = {});

    // What the input's frame n becomes under processFrame with these settings
    // and the clip's own width and height.
    static Yuy2Frame expectedFrame(SourceClip& source, int n, const FilterSettings& settings);

    TestEnvironment env;
    FakeProcessor processor{FakeProcessor::kCapable};
    const TestEnvironment::Registration* quillane = nullptr;
};

}  // namespace quillane::test
