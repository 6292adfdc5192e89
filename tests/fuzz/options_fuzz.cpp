// Arbitrary command lines: parsing either yields options or one error line.

#include <cstdlib>
#include <string>
#include <vector>

#include "options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) args.emplace_back();
        else args.back().push_back(static_cast<char>(data[i]));
    }
    const quillane::cli::ParseResult result = quillane::cli::parseOptions(args);
    if (!result.options && (result.error.empty() || result.error.find('\n') != std::string::npos)) std::abort();
    return 0;
}
