#include "options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quillane::cli {
namespace {

bool parseInt64(const std::string& text, long long& value) {
    if (text.empty() || text.find_first_of(" \t\n") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

bool parseInt32(const std::string& text, std::int32_t& value) {
    long long v = 0;
    if (!parseInt64(text, v) || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

bool parseReal(const std::string& text, double& value) {
    if (text.empty() || text.find_first_of(" \t\n") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    // NaN and out-of-range values get through here: the filter's own checks refuse them.
    return *end == '\0';
}

// Arguments are echoed in messages: control characters must not break the one-line promise.
std::string oneLine(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

bool parseGeometry(const std::string& text, std::uint32_t& width, std::uint32_t& height) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    long long w = 0, h = 0;
    if (!parseInt64(text.substr(0, x), w) || !parseInt64(text.substr(x + 1), h)) return false;
    if (w < 1 || h < 1 || w > std::numeric_limits<std::uint32_t>::max() || h > std::numeric_limits<std::uint32_t>::max())
        return false;
    width = static_cast<std::uint32_t>(w);
    height = static_cast<std::uint32_t>(h);
    return true;
}

ParseResult parseOptions(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> positional;
    auto fail = [](const std::string& message) { return ParseResult{std::nullopt, oneLine(message)}; };
    std::size_t first = 0;
    if (!args.empty() && args[0] == "preview") {
        o.command = Command::Preview;
        first = 1;
    }
    const bool preview = o.command == Command::Preview;

    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") { o.help = true; continue; }
        if (a == "--version") { o.version = true; continue; }
        if (a == "--quiet") { o.quiet = true; continue; }
        if (a == "-" || (a != "-o" && a.rfind("--", 0) != 0)) { positional.push_back(a); continue; }
        if (i + 1 >= args.size()) return fail("option " + a + " needs a value");
        const std::string& v = args[++i];
        if ((a == "--threads" || a == "--debug") && preview) return fail(a + " does not apply to preview");
        if ((a == "--frame" || a == "-o") && !preview) return fail(a + " applies only to preview");
        if (a == "--raw") {
            std::uint32_t w = 0, h = 0;
            if (!parseGeometry(v, w, h)) return fail("--raw takes WIDTHxHEIGHT with both at least 1, not '" + v + "'");
            o.rawWidth = w;
            o.rawHeight = h;
        } else if (a == "--strength") {
            if (!parseInt32(v, o.strength)) return fail("--strength takes an integer, not '" + v + "'");
        } else if (a == "--threshold") {
            if (!parseReal(v, o.threshold)) return fail("--threshold takes a number, not '" + v + "'");
        } else if (a == "--type") {
            if (!parseInt32(v, o.type)) return fail("--type takes an integer, not '" + v + "'");
        } else if (a == "--debug") {
            if (!parseInt32(v, o.debug)) return fail("--debug takes an integer, not '" + v + "'");
        } else if (a == "--isa") {
            if (v != "auto") {
                o.isa = parseIsa(v);
                if (!o.isa) return fail("--isa takes scalar, sse4.1, avx2, avx512 or auto, not '" + v + "'");
            }
        } else if (a == "--threads") {
            long long n = 0;
            if (!parseInt64(v, n) || n < 1 || n > kMaxThreads)
                return fail("--threads takes a whole number from 1 to " + std::to_string(kMaxThreads) + ", not '" + v + "'");
            o.threads = static_cast<unsigned>(n);
        } else if (a == "--frame") {
            long long n = 0;
            if (!parseInt64(v, n) || n < 0) return fail("--frame takes a frame number from 0, not '" + v + "'");
            o.frame = static_cast<std::uint64_t>(n);
        } else if (a == "-o") {
            o.output = v;
        } else {
            return fail("unknown option " + a);
        }
    }
    if (o.help || o.version) return ParseResult{o, {}};
    if (preview) {
        if (positional.size() != 1) return fail("preview expects one INPUT (use - for standard input)");
        o.input = positional[0];
        if (o.output.empty()) o.output = kDefaultSheet;
        return ParseResult{o, {}};
    }
    if (positional.size() != 2) return fail("expected INPUT and OUTPUT (use - for standard input or output)");
    o.input = positional[0];
    o.output = positional[1];
    return ParseResult{o, {}};
}

std::string usageText() {
    return "usage: quillane [options] INPUT OUTPUT\n"
           "       quillane preview [options] INPUT [--frame N] [-o SHEET.png]\n"
           "\n"
           "Cleans the luma of video frames; chroma passes through unchanged.\n"
           "INPUT is a YUV4MPEG2 stream (8-bit: C420jpeg, C420paldv, C420mpeg2, C420, C422,\n"
           "C444, C411, Cmono; 4:2:0 when C is absent) or, with --raw, packed YUY2 frames\n"
           "(2*W*H bytes each, back to back). OUTPUT has the same form; headers and FRAME\n"
           "lines pass through unchanged. Paths may be - for standard input or output.\n"
           "\n"
           "preview writes one PNG with the input luma, the cleaned luma and debug views\n"
           "1 to 5 of one frame, side by side and labelled, for tuning the settings.\n"
           "\n"
           "options:\n"
           "  --raw WxH        input is packed YUY2 of this geometry (even width)\n"
           "  --strength N     gain of the restored detail, 0 to 128 (default 11; 8 is unit gain)\n"
           "  --threshold X    coring level of the detail, 0 to 128 (default 1.0)\n"
           "  --type T         smoothing kernel: 0 binomial, 1 box, 2 cross trimmed mean (default 0)\n"
           "  --debug D        1 smoothed luma, 2 detail+128, 3 refined detail/4+128,\n"
           "                   4 cored detail/4+128, 5 scaled detail+128; other values: cleaned output\n"
           "  --isa I          scalar, sse4.1, avx2, avx512 or auto (default auto); same output\n"
           "  --threads N      frames cleaned in parallel, 1 to 1024 (default: one per core)\n"
           "  --quiet          no progress and no summary on standard error\n"
           "  --frame N        preview: the frame to show, from 0 (default 0)\n"
           "  -o SHEET.png     preview: where to write the sheet (default preview.png)\n"
           "  --help           this text\n"
           "  --version        print the version\n"
           "\n"
           "A regular output file appears only when complete; on failure it is not left\n"
           "behind and an existing file of that name is untouched.\n"
           "\n"
           "exit status: 0 success; 1 input or output failure (bad or truncated input,\n"
           "write error, output reader gone); 2 bad command line or refused setting\n";
}

}  // namespace quillane::cli
