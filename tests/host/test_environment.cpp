#include "test_environment.h"

#include <cstdarg>
#include <cstdio>

#include "test_frame.h"

namespace quillane::test {

void __stdcall TestEnvironment::ThrowError(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    std::string message(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    std::vsnprintf(message.data(), message.size() + 1, fmt, args);
    va_end(args);
    messages_.push_back(std::move(message));
    throw AvisynthError(messages_.back().c_str());
}

void __stdcall TestEnvironment::AddFunction(const char* name, const char* params, ApplyFunc apply, void* user_data) {
    registrations_.push_back({name, params, apply, user_data});
}

bool __stdcall TestEnvironment::MakeWritable(PVideoFrame* pvf) {
    if (!*pvf || (*pvf)->IsWritable() || !copyShared_) return false;
    const auto& shared = dynamic_cast<const TestFrame&>(**pvf);
    *pvf = PVideoFrame(new TestFrame(shared.picture()));
    ++copies_;
    return true;
}

}  // namespace quillane::test
