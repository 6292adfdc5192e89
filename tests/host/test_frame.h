#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "host_interface.h"
#include "yuy2_frame.h"

namespace quillane::test {

namespace detail {
struct FrameImage {
    Yuy2Frame image;
};
}  // namespace detail

// A host frame whose bytes are a Yuy2Frame; the image is built before the
// frame base that points into it.
class TestFrame : private detail::FrameImage, public VideoFrame {
public:
    explicit TestFrame(Yuy2Frame frame)
        : FrameImage{std::move(frame)},
          VideoFrame(image.row(0), static_cast<int>(image.pitch()), static_cast<int>(image.width() * 2),
                     static_cast<int>(image.height())) {}

    const Yuy2Frame& picture() const { return image; }
};

// Row by row, the bytes a frame shows (pitch padding left out).
std::vector<std::vector<std::uint8_t>> rowsOf(const VideoFrame& frame);
std::vector<std::vector<std::uint8_t>> rowsOf(const Yuy2Frame& frame);

}  // namespace quillane::test
