#include "windows_module.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace quillane::test {

WindowsModule::WindowsModule(const char* path) : handle_(LoadLibraryA(path)) {
    if (handle_ == nullptr) loadError_ = GetLastError();
}

WindowsModule::~WindowsModule() { unload(); }

void* WindowsModule::symbol(const char* name) const {
    return handle_ ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)) : nullptr;
}

bool WindowsModule::unload() {
    if (handle_ == nullptr) return false;
    const bool freed = FreeLibrary(static_cast<HMODULE>(handle_)) != 0;
    handle_ = nullptr;
    return freed;
}

}  // namespace quillane::test
