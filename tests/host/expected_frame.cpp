#include "expected_frame.h"

#include <new>

#include "luma_plane.h"
#include "pipeline.h"

namespace quillane::test {

Yuy2Frame expectedFrame(SourceClip& source, int n, const FilterSettings& settings) {
    Yuy2Frame frame = source.picture(n);
    const VideoInfo& vi = source.GetVideoInfo();
    const auto width = static_cast<std::uint32_t>(vi.width);
    const auto height = static_cast<std::uint32_t>(vi.height);
    PlaneSet planes;
    if (!planes.create(width, height)) throw std::bad_alloc();
    processFrame(FrameView{frame.row(0), static_cast<std::int32_t>(frame.pitch()), width, height}, settings, planes);
    return frame;
}

}  // namespace quillane::test
