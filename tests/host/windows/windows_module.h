#pragma once

#include <string>

namespace quillane::test {

// A DLL opened with LoadLibrary, as a Windows host opens a plugin.
class WindowsModule {
public:
    explicit WindowsModule(const char* path);
    ~WindowsModule();
    WindowsModule(const WindowsModule&) = delete;
    WindowsModule& operator=(const WindowsModule&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    // GetProcAddress; null when the module does not export the name.
    void* symbol(const char* name) const;
    // FreeLibrary now rather than at destruction; false when it fails.
    bool unload();
    // The error code of the failed LoadLibrary.
    unsigned long loadError() const { return loadError_; }

private:
    void* handle_;
    unsigned long loadError_ = 0;
};

}  // namespace quillane::test
