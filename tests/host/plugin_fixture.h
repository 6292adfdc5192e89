#pragma once

#include <gtest/gtest.h>

#include <string>

#include "expected_frame.h"
#include "plugin_cases.h"
#include "plugin_module.h"
#include "script_call.h"
#include "source_clip.h"
#include "test_environment.h"
#include "yuy2_frame.h"

namespace quillane::test {

using Source = CountedRef<SourceClip>;

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

    TestEnvironment env;
    FakeProcessor processor{kCapableProcessor};
    const TestEnvironment::Registration* quillane = nullptr;
};

}  // namespace quillane::test
