#include "y4m_header.h"

#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "file_io.h"

namespace quillane::cli {
namespace {

struct ColourSpace {
    std::string_view name;
    std::uint32_t chromaPlanes, xDivisor, yDivisor;
};

constexpr std::array<ColourSpace, 8> kColourSpaces{{
    {"420jpeg", 2, 2, 2},
    {"420paldv", 2, 2, 2},
    {"420mpeg2", 2, 2, 2},
    {"420", 2, 2, 2},
    {"422", 2, 2, 1},
    {"444", 2, 1, 1},
    {"411", 2, 4, 1},
    {"mono", 0, 1, 1},
}};

std::vector<std::string_view> splitTags(std::string_view text) {
    std::vector<std::string_view> tags;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        tags.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tags;
}

// Deeper colour spaces spell their bit depth after the layout: 420p10, mono16.
bool namesBitDepth(std::string_view name) {
    const std::size_t digits = name.find_last_not_of("0123456789");
    if (digits == std::string_view::npos || digits + 1 == name.size()) return false;
    return name[digits] == 'p' || name.substr(0, digits + 1) == "mono";
}

std::uint32_t parseDimension(std::string_view value, const char* what) {
    std::uint64_t v = 0;
    if (value.empty()) throw RunError{std::string("YUV4MPEG2 header has an empty ") + what};
    for (const char c : value) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || v > 0xFFFFFFFFull / 10)
            throw RunError{std::string("YUV4MPEG2 header has a bad ") + what + " '" + std::string(value) + "'"};
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    if (v == 0) throw RunError{std::string("YUV4MPEG2 header gives a ") + what + " of 0"};
    if (v > 0xFFFFFFFFull) throw RunError{std::string("YUV4MPEG2 header has a bad ") + what + " '" + std::string(value) + "'"};
    return static_cast<std::uint32_t>(v);
}

const ColourSpace& findColourSpace(std::string_view name) {
    for (const ColourSpace& c : kColourSpaces)
        if (c.name == name) return c;
    if (namesBitDepth(name))
        throw RunError{"colour space C" + std::string(name) + " has more than 8 bits; only 8-bit input is supported"};
    throw RunError{"unknown colour space C" + std::string(name)};
}

std::uint64_t divideUp(std::uint64_t value, std::uint64_t divisor) { return (value + divisor - 1) / divisor; }

}  // namespace

StreamFormat parseY4mHeader(const std::string& line) {
    std::string_view text(line);
    text.remove_prefix(kY4mSignatureBytes);
    text.remove_suffix(1);  // '\n'
    std::optional<std::uint32_t> width, height;
    const ColourSpace* colour = &kColourSpaces[3];  // 4:2:0 when the header names none
    for (const std::string_view tag : splitTags(text)) {
        if (tag.empty()) throw RunError{"YUV4MPEG2 header has an empty tag (two spaces in a row)"};
        const std::string_view value = tag.substr(1);
        switch (tag[0]) {
            case 'W': width = parseDimension(value, "width"); break;
            case 'H': height = parseDimension(value, "height"); break;
            case 'C': colour = &findColourSpace(value); break;
            case 'F': case 'I': case 'A': case 'X': break;  // passed through
            default: throw RunError{"unknown YUV4MPEG2 header tag '" + std::string(tag) + "'"};
        }
    }
    if (!width || !height) throw RunError{"YUV4MPEG2 header lacks the width (W) or height (H)"};
    checkFrameSize(*width, *height);

    const std::uint64_t chroma =
        divideUp(*width, colour->xDivisor) * divideUp(*height, colour->yDivisor) * colour->chromaPlanes;
    StreamFormat format;
    format.width = *width;
    format.height = *height;
    format.layout = LumaLayout::Planar;
    format.frameBytes = static_cast<std::size_t>(std::uint64_t{*width} * *height + chroma);
    format.header = line;
    format.framed = true;
    return format;
}

void checkY4mFrameLine(const std::string& line, unsigned long long frameNumber) {
    std::string_view text(line);
    text.remove_suffix(1);
    text.remove_prefix(sizeof kY4mFrameTag - 1);
    if (text.empty()) return;
    text.remove_prefix(1);  // the space before the first tag
    for (const std::string_view tag : splitTags(text)) {
        if (tag.empty() || (tag[0] != 'I' && tag[0] != 'X'))
            throw RunError{"frame " + std::to_string(frameNumber) + " has an unknown FRAME tag '" + std::string(tag) + "'"};
    }
}

}  // namespace quillane::cli
