#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "file_io.h"
#include "stream_format.h"

namespace quillane::cli {

// One frame as it travels through the command.
struct Frame {
    std::string frameLine;            // the FRAME line, '\n' included; empty for raw input
    std::vector<std::uint8_t> bytes;  // the picture
};

struct RawGeometry {
    std::uint32_t width = 0, height = 0;
};

// Reads frames from packed YUY2 (when given a geometry) or YUV4MPEG2 input,
// checking the stream as it goes; every failure is a RunError naming it.
class FrameReader {
public:
    FrameReader(InputFile& input, std::optional<RawGeometry> raw);

    const StreamFormat& format() const { return format_; }
    // How many frames a regular input file holds, judged by its size.
    std::optional<std::uint64_t> expectedFrames() const;

    // Fills `frame` (its buffer sized once by the first call); false at the end of the input.
    bool read(Frame& frame);

private:
    StreamFormat readY4mHeader();
    bool readFrameLine(std::string& line);

    InputFile& input_;
    StreamFormat format_;
    std::uint64_t framesRead_ = 0;
};

}  // namespace quillane::cli
