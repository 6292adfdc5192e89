#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "file_io.h"
#include "options.h"
#include "raw_mode.h"

using namespace quillane;
using namespace quillane::cli;

namespace {

int run(const Options& o) {
    if (o.isa && !selectIsa(*o.isa)) {
        std::fprintf(stderr, "quillane: this processor cannot run the %s path\n", std::string(isaName(*o.isa)).c_str());
        return kExitUsage;
    }
    const float threshold = thresholdToSingle(o.threshold);
    if (const char* refusal = settingsError(o.strength, threshold, o.type)) {
        std::fprintf(stderr, "%s\n", refusal);
        return kExitUsage;
    }
    if (!o.rawWidth) {
        std::fprintf(stderr, "quillane: --raw WxH is required\n");
        return kExitUsage;
    }
    const FilterSettings settings = makeFilterSettings(o.strength, threshold, o.type, o.debug);
    InputFile input(o.input);
    OutputFile output(o.output);
    runRaw(o, settings, input, output);
    output.commit();
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    const ParseResult parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "quillane: %s\n%s", parsed.error.c_str(), "try 'quillane --help'\n");
        return kExitUsage;
    }
    const Options& o = *parsed.options;
    if (o.help) {
        std::fputs(usageText().c_str(), stdout);
        return kExitOk;
    }
    if (o.version) {
        std::printf("%.*s\n", static_cast<int>(kVersionText.size()), kVersionText.data());
        return kExitOk;
    }
    try {
        return run(o);
    } catch (const RunError& e) {
        if (!e.quiet) std::fprintf(stderr, "quillane: %s\n", e.message.c_str());
        return kExitFailure;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "quillane: out of memory\n");
        return kExitFailure;
    }
}
