#include "source_clip.h"

#include <random>

#include "test_frame.h"

namespace quillane::test {

SourceClip::SourceClip(const VideoInfo& vi, FrameLayout layout, bool caching)
    : vi_(vi), layout_(layout), caching_(caching) {
    if (layout_.width == 0) layout_.width = static_cast<std::uint32_t>(vi.width);
    if (layout_.height == 0) layout_.height = static_cast<std::uint32_t>(vi.height);
}

Yuy2Frame SourceClip::picture(int n) const {
    std::mt19937 rng(static_cast<std::uint32_t>(n) * 7919u + 17u);
    Yuy2Frame frame(layout_.width, layout_.height, layout_.pitch, layout_.offset);
    frame.fillRandom(rng);
    return frame;
}

PVideoFrame __stdcall SourceClip::GetFrame(int n, IScriptEnvironment*) {
    requested_.push_back(n);
    if (caching_) {
        auto [entry, added] = served_.try_emplace(n);
        if (added) entry->second = PVideoFrame(new TestFrame(picture(n)));
        return entry->second;
    }
    return PVideoFrame(new TestFrame(picture(n)));
}

bool __stdcall SourceClip::GetParity(int n) { return n % 3 == 1; }

std::size_t SourceClip::audioBytes(std::int64_t count) const {
    return static_cast<std::size_t>(count) * static_cast<std::size_t>(vi_.nchannels) * sizeof(std::int16_t);
}

void __stdcall SourceClip::GetAudio(void* buf, std::int64_t start, std::int64_t count, IScriptEnvironment*) {
    auto* out = static_cast<std::uint8_t*>(buf);
    for (std::size_t i = 0; i < audioBytes(count); ++i)
        out[i] = static_cast<std::uint8_t>((static_cast<std::uint64_t>(start) * 31 + i * 7) >> 1);
}

void __stdcall SourceClip::SetCacheHints(int, int) { ++cacheHintCalls_; }

VideoInfo yuy2Info(int width, int height, int frames) {
    VideoInfo vi;
    vi.width = width;
    vi.height = height;
    vi.fps_numerator = 30000;
    vi.fps_denominator = 1001;
    vi.num_frames = frames;
    vi.pixel_type = VideoInfo::CS_YUY2;
    vi.audio_samples_per_second = 48000;
    vi.sample_type = VideoInfo::SAMPLE_INT16;
    vi.num_audio_samples = 48048;
    vi.nchannels = 2;
    return vi;
}

}  // namespace quillane::test
