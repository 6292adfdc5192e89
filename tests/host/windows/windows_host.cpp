// Loads Quillane.dll as a Windows host would and checks it against the Linux
// build: registration, every frame of the shared cases by the checksum that
// build computed (the table arrives on standard input), and the refusals.
// Prints one line per check and exits non-zero on any failure.
#include <cstdio>
#include <exception>
#include <iostream>
#include <map>
#include <string>

#include "frame_checksum.h"
#include "plugin_cases.h"
#include "script_call.h"
#include "source_clip.h"
#include "test_environment.h"
#include "test_frame.h"
#include "windows_module.h"

namespace quillane::test {
namespace {

using Init = const char*(__stdcall*)(IScriptEnvironment* env);
using Source = CountedRef<SourceClip>;
using ChecksumTable = std::map<std::string, std::string>;

class Report {
public:
    void check(bool ok, const std::string& what, const std::string& detail = {}) {
        std::printf("%s %s%s%s\n", ok ? "ok" : "FAIL", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
        ++(ok ? passed_ : failed_);
    }
    void skip(const std::string& what, const char* why) {
        std::printf("skip %s: %s\n", what.c_str(), why);
        ++skipped_;
    }
    int finish() const {
        std::printf("%d passed, %d failed, %d skipped\n", passed_, failed_, skipped_);
        return failed_ == 0 && passed_ > 0 ? 0 : 1;
    }

private:
    int passed_ = 0, failed_ = 0, skipped_ = 0;
};

ChecksumTable readTable(std::istream& in) {
    ChecksumTable table;
    std::string key, checksum;
    while (in >> key >> checksum) table[key] = checksum;
    return table;
}

void checkFrames(const TestEnvironment::Registration& quillane, TestEnvironment& env, ChecksumTable table,
                 Report& report) {
    report.check(!table.empty(), "checksum table read", std::to_string(table.size()) + " frames");
    for (const FrameCase& c : frameCases()) {
        const Source source(new SourceClip(yuy2Info(c.width, c.height), c.layout));
        try {
            const AVSValue filter = callAsScript(quillane, PClip(source.get()), c.named, &env);
            if (!filter.IsClip()) {
                report.check(false, std::string("frames of ") + c.label, "no clip returned");
                continue;
            }
            for (const int n : kCaseFrames) {
                const std::string key = checksumKey(c.label, n);
                const std::string got = frameChecksum(rowsOf(*filter.AsClip()->GetFrame(n, &env)));
                const auto expected = table.find(key);
                if (expected == table.end()) {
                    report.check(false, "frame " + key, got + ", not in the table");
                    continue;
                }
                report.check(got == expected->second, "frame " + key,
                             got == expected->second ? got : got + ", expected " + expected->second);
                table.erase(expected);
            }
        } catch (const AvisynthError& error) {
            report.check(false, std::string("frames of ") + c.label, std::string("refused: ") + error.msg);
        } catch (const std::exception& error) {
            report.check(false, std::string("frames of ") + c.label, error.what());
        }
    }
    report.check(table.empty(), "every frame in the table pulled", std::to_string(table.size()) + " left over");
}

void checkRefusals(const TestEnvironment::Registration& quillane, TestEnvironment& env, Report& report) {
    for (const RefusalCase& c : refusalCases()) {
        const std::string what = std::string("refusal ") + c.label;
        if (c.processor.ecx != kCapableProcessor.ecx || c.processor.edx != kCapableProcessor.edx) {
            report.skip(what, "needs a stand-in processor, which the DLL does not take");
            continue;
        }
        VideoInfo vi = yuy2Info(c.width, c.height);
        vi.pixel_type = c.pixelType;
        const Source source(new SourceClip(vi));
        const int references = source->references();
        std::string message = "accepted";
        try {
            callAsScript(quillane, PClip(source.get()), c.named, &env);
        } catch (const AvisynthError& error) {
            message = error.msg;
        }
        const bool released = source->references() == references;
        report.check(message == c.message && released, what, released ? message : message + ", input still held");
    }
}

int run(const char* path) {
    Report report;
    WindowsModule module(path);
    report.check(module.loaded(), std::string("LoadLibrary ") + path,
                 module.loaded() ? "" : "error " + std::to_string(module.loadError()));
    const auto init = reinterpret_cast<Init>(module.symbol("AvisynthPluginInit2"));
    report.check(init != nullptr, "GetProcAddress AvisynthPluginInit2");
    report.check(module.loaded() && module.symbol("QuillaneSetCpuIdReader") == nullptr,
                 "processor stand-in not exported");
    if (init == nullptr) return report.finish();

    TestEnvironment env;
    const char* version = init(&env);
    report.check(version != nullptr && version == kVersionText, "entry point returns the version",
                 version ? version : "null");
    const auto& registrations = env.registrations();
    const bool registered = registrations.size() == 1 && registrations[0].name == "Quillane";
    report.check(registered, "Quillane registered once", registered ? registrations[0].params : "");
    if (registered) {
        checkFrames(registrations[0], env, readTable(std::cin), report);
        checkRefusals(registrations[0], env, report);
    }
    report.check(module.unload(), "FreeLibrary");
    return report.finish();
}

}  // namespace
}  // namespace quillane::test

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s Quillane.dll < checksum-table\n", argv[0]);
        return 2;
    }
    return quillane::test::run(argv[1]);
}
