#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "host_interface.h"
#include "yuy2_frame.h"

namespace quillane::test {

// How the frames a source serves are laid out; zeros mean the clip's own size.
struct FrameLayout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t pitch = 0;
    std::size_t offset = 0;  // from 16-byte alignment
};

// A clip that serves reproducible YUY2 frames, 16-bit audio and a field parity
// pattern. A caching source keeps every frame it served, so they reach the
// caller shared.
class SourceClip : public IClip {
public:
    explicit SourceClip(const VideoInfo& vi, FrameLayout layout = {}, bool caching = false);

    PVideoFrame __stdcall GetFrame(int n, IScriptEnvironment* env) override;
    bool __stdcall GetParity(int n) override;
    void __stdcall GetAudio(void* buf, std::int64_t start, std::int64_t count, IScriptEnvironment* env) override;
    void __stdcall SetCacheHints(int cachehints, int frame_range) override;
    const VideoInfo& __stdcall GetVideoInfo() override { return vi_; }

    // The picture GetFrame(n) serves.
    Yuy2Frame picture(int n) const;
    std::size_t audioBytes(std::int64_t count) const;

    int references() const { return ReferenceCount(); }
    const std::vector<int>& framesRequested() const { return requested_; }
    int cacheHintCalls() const { return cacheHintCalls_; }

private:
    VideoInfo vi_;
    FrameLayout layout_;
    bool caching_;
    std::map<int, PVideoFrame> served_;
    std::vector<int> requested_;
    int cacheHintCalls_ = 0;
};

// A YUY2 clip with 16-bit stereo audio.
VideoInfo yuy2Info(int width, int height, int frames = 10);

}  // namespace quillane::test
