#include "plugin_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace quillane::test {
namespace {

void* symbol(void* handle, const char* name) {
    void* found = dlsym(handle, name);
    if (found == nullptr) {
        std::fprintf(stderr, "%s not found in %s\n", name, QUILLANE_MODULE_PATH);
        std::abort();
    }
    return found;
}

PluginModule open() {
    void* handle = dlopen(QUILLANE_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "dlopen: %s\n", dlerror());
        std::abort();
    }
    PluginModule module;
    module.init = reinterpret_cast<PluginModule::Init>(symbol(handle, "AvisynthPluginInit2"));
    module.setCpuIdReader = reinterpret_cast<PluginModule::SetCpuIdReader>(symbol(handle, "QuillaneSetCpuIdReader"));
    return module;
}

CpuIdLeaf1 fakeLeaf;

bool readFakeLeaf(CpuIdLeaf1& leaf) {
    leaf = fakeLeaf;
    return true;
}

}  // namespace

const PluginModule& PluginModule::get() {
    static const PluginModule module = open();
    return module;
}

FakeProcessor::FakeProcessor(CpuIdLeaf1 leaf) {
    fakeLeaf = leaf;
    previous_ = PluginModule::get().setCpuIdReader(&readFakeLeaf);
}

FakeProcessor::~FakeProcessor() { PluginModule::get().setCpuIdReader(previous_); }

}  // namespace quillane::test
