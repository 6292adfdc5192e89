#pragma once

#include <cstdint>

#include "calling_convention.h"
#include "counted_ref.h"
#include "reference_count.h"
#include "video_frame.h"
#include "video_info.h"

class IScriptEnvironment;

inline constexpr int AVISYNTH_INTERFACE_VERSION = 2;

// A clip as the host pulls from it. The slot order of the virtual operations
// is part of the binary interface: do not reorder.
class IClip : public ReferenceCounted<IClip> {
public:
    IClip() = default;

    virtual int __stdcall GetVersion() { return AVISYNTH_INTERFACE_VERSION; }
    virtual PVideoFrame __stdcall GetFrame(int n, IScriptEnvironment* env) = 0;
    virtual bool __stdcall GetParity(int n) = 0;
    virtual void __stdcall GetAudio(void* buf, std::int64_t start, std::int64_t count, IScriptEnvironment* env) = 0;
    virtual void __stdcall SetCacheHints(int cachehints, int frame_range) = 0;
    virtual const VideoInfo& __stdcall GetVideoInfo() = 0;
    virtual ~IClip() = default;
};

using PClip = CountedRef<IClip>;

// A clip that answers everything as its input does; filters override what they change.
class GenericVideoFilter : public IClip {
protected:
    PClip child;
    VideoInfo vi;

public:
    GenericVideoFilter(PClip _child) : child(_child), vi(child->GetVideoInfo()) {}

    PVideoFrame __stdcall GetFrame(int n, IScriptEnvironment* env) override { return child->GetFrame(n, env); }
    bool __stdcall GetParity(int n) override { return child->GetParity(n); }
    void __stdcall GetAudio(void* buf, std::int64_t start, std::int64_t count, IScriptEnvironment* env) override {
        child->GetAudio(buf, start, count, env);
    }
    void __stdcall SetCacheHints(int, int) override {}
    const VideoInfo& __stdcall GetVideoInfo() override { return vi; }
};
