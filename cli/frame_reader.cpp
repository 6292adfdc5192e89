#include "frame_reader.h"

#include <cstring>

#include "y4m_header.h"

namespace quillane::cli {
namespace {

constexpr std::size_t kMaxLineBytes = 4096;
constexpr char kPlainFrameLine[] = "FRAME\n";
constexpr char kTaggedFrameStart[] = "FRAME ";
constexpr std::size_t kFrameStartBytes = sizeof kPlainFrameLine - 1;

bool startsAs(const std::string& got, const char* expected) {
    return std::strncmp(got.c_str(), expected, got.size()) == 0;
}

}  // namespace

FrameReader::FrameReader(InputFile& input, std::optional<RawGeometry> raw)
    : input_(input), format_(raw ? packedYuy2Format(raw->width, raw->height) : readY4mHeader()) {}

StreamFormat FrameReader::readY4mHeader() {
    std::string line(kY4mSignatureBytes, '\0');
    const std::size_t got = input_.read(line.data(), line.size());
    line.resize(got);
    if (got == 0) throw RunError{input_.name() + " is empty: expected a YUV4MPEG2 stream (or give --raw WxH)"};
    if (!startsAs(line, kY4mSignature))
        throw RunError{input_.name() + " is not a YUV4MPEG2 stream (give --raw WxH for packed YUY2)"};
    if (got < kY4mSignatureBytes || !input_.readLine(line, kMaxLineBytes)) {
        if (line.size() >= kMaxLineBytes) throw RunError{"YUV4MPEG2 header is longer than 4096 bytes"};
        throw RunError{input_.name() + " ends inside the YUV4MPEG2 header"};
    }
    return parseY4mHeader(line);
}

std::optional<std::uint64_t> FrameReader::expectedFrames() const {
    const long long size = input_.regularFileSize();
    if (size < 0) return std::nullopt;
    const std::uint64_t perFrame = format_.frameBytes + (format_.framed ? kFrameStartBytes : 0);
    const std::uint64_t body = static_cast<std::uint64_t>(size) - std::min<std::uint64_t>(size, format_.header.size());
    return body / perFrame;
}

bool FrameReader::readFrameLine(std::string& line) {
    line.clear();
    const auto where = [&] { return "frame " + std::to_string(framesRead_); };
    const bool ended = input_.readLine(line, kFrameStartBytes);
    if (line.empty()) return false;
    const bool plain = ended && line == kPlainFrameLine;
    const bool tagged = line == kTaggedFrameStart;
    if (!plain && !tagged) {
        if (!ended && (startsAs(line, kPlainFrameLine) || startsAs(line, kTaggedFrameStart)))
            throw RunError{input_.name() + " ends inside the FRAME line of " + where()};
        throw RunError{"expected FRAME at the start of " + where() + " of " + input_.name()};
    }
    if (tagged && !input_.readLine(line, kMaxLineBytes)) {
        if (line.size() >= kMaxLineBytes) throw RunError{"the FRAME line of " + where() + " is longer than 4096 bytes"};
        throw RunError{input_.name() + " ends inside the FRAME line of " + where()};
    }
    checkY4mFrameLine(line, framesRead_);
    return true;
}

bool FrameReader::read(Frame& frame) {
    if (format_.framed) {
        if (!readFrameLine(frame.frameLine)) return false;
    }
    frame.bytes.resize(format_.frameBytes);
    const std::size_t got = input_.read(frame.bytes.data(), frame.bytes.size());
    if (got == 0 && !format_.framed) return false;
    if (got < frame.bytes.size())
        throw RunError{input_.name() + " ends inside frame " + std::to_string(framesRead_) + " (" +
                       std::to_string(got) + " of " + std::to_string(frame.bytes.size()) + " bytes)"};
    ++framesRead_;
    return true;
}

}  // namespace quillane::cli
