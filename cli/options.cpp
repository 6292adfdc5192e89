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
    auto fail = [](std::string message) { return ParseResult{std::nullopt, std::move(message)}; };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") { o.help = true; continue; }
        if (a == "--version") { o.version = true; continue; }
        if (a == "-" || a.rfind("--", 0) != 0) { positional.push_back(a); continue; }
        if (i + 1 >= args.size()) return fail("option " + a + " needs a value");
        const std::string& v = args[++i];
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
        } else {
            return fail("unknown option " + a);
        }
    }
    if (o.help || o.version) return ParseResult{o, {}};
    if (positional.size() != 2) return fail("expected INPUT and OUTPUT (use - for standard input or output)");
    o.input = positional[0];
    o.output = positional[1];
    return ParseResult{o, {}};
}

std::string usageText() {
    return "usage: quillane --raw WxH [options] INPUT OUTPUT\n"
           "\n"
           "Cleans the luma of packed YUY2 frames (2*W*H bytes each, back to back).\n"
           "INPUT and OUTPUT are paths, or - for standard input and output.\n"
           "\n"
           "options:\n"
           "  --raw WxH        frame geometry of raw YUY2 input\n"
           "  --strength N     gain of the restored detail, 0 to 128 (default 11; 8 is unit gain)\n"
           "  --threshold X    coring level of the detail, 0 to 128 (default 1.0)\n"
           "  --type T         smoothing kernel: 0 binomial, 1 box, 2 cross trimmed mean (default 0)\n"
           "  --debug D        1 smoothed luma, 2 detail+128, 3 refined detail/4+128,\n"
           "                   4 cored detail/4+128, 5 scaled detail+128; other values: cleaned output\n"
           "  --isa I          scalar, sse4.1, avx2, avx512 or auto (default auto)\n"
           "  --help           this text\n"
           "  --version        print the version\n"
           "\n"
           "exit status: 0 success, 1 input/output failure, 2 bad command line or refused setting\n";
}

}  // namespace quillane::cli
