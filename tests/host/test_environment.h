#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host_interface.h"

namespace quillane::test {

// The host environment as the plugin sees it, recording what the plugin asks of it.
class TestEnvironment : public IScriptEnvironment {
public:
    struct Registration {
        std::string name;
        std::string params;
        ApplyFunc apply;
        void* userData;
    };

    [[noreturn]] void __stdcall ThrowError(const char* fmt, ...) override;
    void __stdcall AddFunction(const char* name, const char* params, ApplyFunc apply, void* user_data) override;
    bool __stdcall MakeWritable(PVideoFrame* pvf) override;

    const std::vector<Registration>& registrations() const { return registrations_; }
    int copiesMade() const { return copies_; }
    // A faulty host that leaves shared frames shared.
    void refuseToCopy() { copyShared_ = false; }

private:
    std::vector<Registration> registrations_;
    std::deque<std::string> messages_;  // AvisynthError::msg points into these
    int copies_ = 0;
    bool copyShared_ = true;
};

}  // namespace quillane::test
