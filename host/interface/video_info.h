#pragma once

#include <cstdint>

// The format of a clip: picture, timing and audio.
struct VideoInfo {
    int width = 0;
    int height = 0;
    unsigned fps_numerator = 0;
    unsigned fps_denominator = 1;
    int num_frames = 0;
    int pixel_type = 0;

    int audio_samples_per_second = 0;
    int sample_type = 0;
    std::int64_t num_audio_samples = 0;
    int nchannels = 0;

    enum : int {
        CS_BGR = 1 << 28,
        CS_YUV = 1 << 29,
        CS_INTERLEAVED = 1 << 30,
        CS_PLANAR = 1 << 31,

        CS_UNKNOWN = 0,
        CS_BGR24 = 1 << 0 | CS_BGR | CS_INTERLEAVED,
        CS_BGR32 = 1 << 1 | CS_BGR | CS_INTERLEAVED,
        CS_YUY2 = 1 << 2 | CS_YUV | CS_INTERLEAVED,
        CS_YV12 = 1 << 3 | CS_YUV | CS_PLANAR,
    };

    enum : int {
        SAMPLE_INT8 = 1 << 0,
        SAMPLE_INT16 = 1 << 1,
        SAMPLE_INT24 = 1 << 2,
        SAMPLE_INT32 = 1 << 3,
        SAMPLE_FLOAT = 1 << 4,
    };

    bool HasVideo() const { return width != 0; }
    bool HasAudio() const { return audio_samples_per_second != 0; }
    bool IsYUY2() const { return (pixel_type & CS_YUY2) == CS_YUY2; }
};

static_assert(VideoInfo::CS_YUY2 == 0x60000004);
