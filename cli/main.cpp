#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "file_io.h"
#include "frame_reader.h"
#include "options.h"
#include "parallel_cleaning.h"
#include "preview_command.h"
#include "progress.h"

using namespace quillane;
using namespace quillane::cli;

namespace {

unsigned workerCount(const Options& o) {
    if (o.threads != 0) return o.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

void runClean(const Options& o, const FilterSettings& settings) {
    InputFile input(o.input);
    std::optional<RawGeometry> raw;
    if (o.rawWidth) raw = RawGeometry{*o.rawWidth, *o.rawHeight};
    FrameReader reader(input, raw);
    OutputFile output(o.output);
    Progress progress(o.quiet, reader.expectedFrames());
    cleanStream(reader, output, settings, workerCount(o), progress);
    output.commit();
    progress.finish();
}

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
    const FilterSettings settings = makeFilterSettings(o.strength, threshold, o.type, o.debug);
    if (o.command == Command::Preview) runPreview(o, settings);
    else runClean(o, settings);
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    const ParseResult parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "quillane: %s (see quillane --help)\n", parsed.error.c_str());
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
    } catch (const std::system_error& e) {
        std::fprintf(stderr, "quillane: cannot start worker threads: %s\n", e.what());
        return kExitFailure;
    }
}
