#include "stream_format.h"

#include "file_io.h"

namespace quillane::cli {

void checkFrameSize(std::uint32_t width, std::uint32_t height) {
    if (std::uint64_t{width} * height > kMaxFramePixels)
        throw RunError{"frame " + std::to_string(width) + "x" + std::to_string(height) + " is larger than " +
                       std::to_string(kMaxFramePixels) + " pixels"};
}

}  // namespace quillane::cli

namespace quillane::cli {

StreamFormat packedYuy2Format(std::uint32_t width, std::uint32_t height) {
    if (width % 2 != 0) throw RunError{"YUY2 frames need an even width, not " + std::to_string(width)};
    checkFrameSize(width, height);
    StreamFormat format;
    format.width = width;
    format.height = height;
    format.layout = LumaLayout::PackedYuy2;
    format.frameBytes = static_cast<std::size_t>(std::uint64_t{width} * height * 2);
    return format;
}

}  // namespace quillane::cli
