#pragma once

// Runs the built command through the shell inside a scratch folder that the
// fixture removes afterwards.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillane::test {

struct CommandResult {
    int status = -1;
    std::string err;
};

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillane-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // `command` runs in the scratch folder; "quillane" and "make_sample" name the built programs.
    // QUILLANE_UNDER, when set, prefixes every run of quillane (a checker such as valgrind).
    CommandResult run(const std::string& command) const {
        const std::string script = "cd '" + dir_.string() + "' && quillane() { $QUILLANE_UNDER '" QUILLANE_BINARY "' \"$@\"; }; " +
                                   "make_sample() { '" MAKE_SAMPLE_BINARY "' \"$@\"; }; " + command +
                                   " 2> '" + path("stderr.txt") + "'";
        write("run.sh", script);
        const int raw = std::system(("bash '" + path("run.sh") + "'").c_str());
        std::filesystem::remove(path("run.sh"));
        CommandResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.err = read("stderr.txt");
        std::filesystem::remove(path("stderr.txt"));
        return result;
    }

    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    // Every name in the scratch folder, to catch partial files left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) all.push_back(entry.path().filename());
        std::sort(all.begin(), all.end());
        return all;
    }

private:
    std::filesystem::path dir_;
};

// A YUV4MPEG2 stream of `frames` frames from a header line and a frame size, with a byte pattern.
inline std::string y4mStream(const std::string& header, std::size_t frameBytes, int frames,
                             const std::string& frameLine = "FRAME\n") {
    std::string s = header;
    for (int f = 0; f < frames; ++f) {
        s += frameLine;
        for (std::size_t i = 0; i < frameBytes; ++i) s.push_back(static_cast<char>((i * 37 + f * 11 + i / 7) % 251));
    }
    return s;
}

}  // namespace quillane::test
