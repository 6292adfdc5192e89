#pragma once

#include "calling_convention.h"
#include "clip.h"
#include "script_value.h"
#include "video_frame.h"

// What the host raises for a script error; msg lives as long as the host keeps it.
class AvisynthError {
public:
    const char* const msg;
    AvisynthError(const char* _msg) : msg(_msg) {}
};

typedef AVSValue(__cdecl* ApplyFunc)(AVSValue args, void* user_data, IScriptEnvironment* env);

// The services the host offers a plugin.
class IScriptEnvironment {
public:
    virtual ~IScriptEnvironment() = default;

    // Formats the message as printf does and raises AvisynthError; never returns.
    [[noreturn]] virtual void __stdcall ThrowError(const char* fmt, ...) = 0;
    virtual void __stdcall AddFunction(const char* name, const char* params, ApplyFunc apply, void* user_data) = 0;
    // Replaces a frame that other references share by a private copy; true when it copied.
    virtual bool __stdcall MakeWritable(PVideoFrame* pvf) = 0;
};
