#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "filter_settings.h"
#include "kernels.h"

namespace quillane::cli {

struct Options {
    std::optional<std::uint32_t> rawWidth, rawHeight;  // --raw WxH
    std::int32_t strength = kDefaultStrength;
    double threshold = kDefaultThreshold;
    std::int32_t type = kDefaultType;
    std::int32_t debug = kDefaultDebug;
    std::optional<Isa> isa;  // --isa; empty means auto
    std::string input, output;
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
bool parseGeometry(const std::string& text, std::uint32_t& width, std::uint32_t& height);

std::string usageText();

}  // namespace quillane::cli
