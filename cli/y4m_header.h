#pragma once

#include <string>

#include "stream_format.h"

namespace quillane::cli {

inline constexpr const char kY4mSignature[] = "YUV4MPEG2 ";
inline constexpr std::size_t kY4mSignatureBytes = sizeof kY4mSignature - 1;
inline constexpr const char kY4mFrameTag[] = "FRAME";

// Parses a complete header line (signature through '\n') into a planar
// format that keeps the line as its header. Throws RunError naming what is
// wrong: a missing or zero size, a frame beyond kMaxFramePixels, an unknown
// or more than 8-bit colour space, an unknown tag.
StreamFormat parseY4mHeader(const std::string& line);

// Checks the tags of a FRAME line (the whole line, '\n' included); throws
// RunError for anything but interlacing and X tags.
void checkY4mFrameLine(const std::string& line, unsigned long long frameNumber);

}  // namespace quillane::cli
