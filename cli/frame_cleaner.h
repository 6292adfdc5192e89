#pragma once

#include <cstdint>

#include "filter_settings.h"
#include "luma_plane.h"
#include "stream_format.h"

namespace quillane::cli {

// Cleans the luma of frames of one stream format in place. Owns the working
// planes, so one cleaner serves one frame at a time and allocates nothing per frame.
class FrameCleaner {
public:
    // Throws RunError when the planes cannot be allocated.
    FrameCleaner(const StreamFormat& format, const FilterSettings& settings);

    // `frame` holds format.frameBytes bytes; only luma bytes change.
    void clean(std::uint8_t* frame);

private:
    std::uint32_t width_, height_;
    LumaLayout layout_;
    FilterSettings settings_;
    PlaneSet planes_;
};

}  // namespace quillane::cli
