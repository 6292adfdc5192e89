#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "filter_settings.h"
#include "kernels.h"

namespace quillane::cli {

enum class Command {
    Clean,    // quillane INPUT OUTPUT
    Preview,  // quillane preview INPUT
};

struct Options {
    Command command = Command::Clean;
    std::optional<std::uint32_t> rawWidth, rawHeight;  // --raw WxH
    std::int32_t strength = kDefaultStrength;
    double threshold = kDefaultThreshold;
    std::int32_t type = kDefaultType;
    std::int32_t debug = kDefaultDebug;
    std::optional<Isa> isa;  // --isa; empty means auto
    std::string input, output;  // the output of preview is the sheet
    unsigned threads = 0;        // --threads; 0 means one per core
    bool quiet = false;
    std::uint64_t frame = 0;     // --frame, the frame a preview shows
    bool help = false, version = false;
};

// Exit statuses of the command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // input, output or processing failed
inline constexpr int kExitUsage = 2;    // bad command line or refused setting

struct ParseResult {
    std::optional<Options> options;
    std::string error;  // one line, when options is empty
};

ParseResult parseOptions(const std::vector<std::string>& args);

// Parses "WxH" with both in 1..UINT32_MAX; false on anything else.
inline constexpr unsigned kMaxThreads = 1024;
inline constexpr const char* kDefaultSheet = "preview.png";

bool parseGeometry(const std::string& text, std::uint32_t& width, std::uint32_t& height);

std::string usageText();

}  // namespace quillane::cli
