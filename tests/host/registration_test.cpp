#include <gtest/gtest.h>

#include <string>

#include "plugin_module.h"
#include "test_environment.h"

namespace quillane::test {
namespace {

TEST(Registration, EachInitRegistersQuillaneOnceAndReturnsTheVersion) {
    TestEnvironment env;
    const char* first = PluginModule::get().init(&env);
    const char* second = PluginModule::get().init(&env);

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::string(first), "Quillane ver 0.1");
    EXPECT_EQ(second, first);
    ASSERT_EQ(env.registrations().size(), 2u);
    for (const auto& registration : env.registrations()) {
        EXPECT_EQ(registration.name, "Quillane");
        EXPECT_EQ(registration.params, "c[strength]i[threshold]f[type]i[debug]i");
        EXPECT_NE(registration.apply, nullptr);
        EXPECT_EQ(registration.userData, nullptr);
    }
}

}  // namespace
}  // namespace quillane::test
