#pragma once

#include "cpu_features.h"
#include "host_interface.h"

namespace quillane::test {

// The built Linux module, opened with dlopen as a host would open it.
struct PluginModule {
    using Init = const char* (*)(IScriptEnvironment* env);
    using CpuIdReader = bool (*)(CpuIdLeaf1& leaf);
    using SetCpuIdReader = CpuIdReader (*)(CpuIdReader reader);

    Init init = nullptr;
    SetCpuIdReader setCpuIdReader = nullptr;

    // Opened once; a failure to open or to find a symbol fails the test run.
    static const PluginModule& get();
};

// While alive, the module's processor test sees these CPUID leaf 1 bits.
class FakeProcessor {
public:
    explicit FakeProcessor(CpuIdLeaf1 leaf);
    ~FakeProcessor();
    FakeProcessor(const FakeProcessor&) = delete;
    FakeProcessor& operator=(const FakeProcessor&) = delete;

private:
    PluginModule::CpuIdReader previous_;
};

}  // namespace quillane::test
