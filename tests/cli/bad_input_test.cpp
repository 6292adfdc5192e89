#include <gtest/gtest.h>

#include <optional>

#include "command_runner.h"

namespace quillane::test {
namespace {

using BadInput = CommandTest;

const std::string kHeader = "YUV4MPEG2 W8 H2 C420jpeg\n";  // frames of 16 + 2 * 4 * 1 = 24 bytes
const std::string kFrame = "FRAME\n" + std::string(24, 'x');

struct BadInputCase {
    const char* name;
    std::string options;                // before INPUT
    std::optional<std::string> input;   // written as in.y4m when given
    const char* messagePart;
};

const BadInputCase kCases[] = {
    {"empty input", "", "", "in.y4m is empty"},
    {"cut signature", "", "YUV4", "ends inside the YUV4MPEG2 header"},
    {"truncated header", "", "YUV4MPEG2 W8 H2", "ends inside the YUV4MPEG2 header"},
    {"endless header", "", "YUV4MPEG2 W8 H2 X" + std::string(5000, 'a'), "header is longer than 4096 bytes"},
    {"not y4m", "", "RIFF....", "is not a YUV4MPEG2 stream"},
    {"width 0", "", "YUV4MPEG2 W0 H2\n", "gives a width of 0"},
    {"height 0", "", "YUV4MPEG2 W8 H0\n", "gives a height of 0"},
    {"beyond the size limit", "", "YUV4MPEG2 W65536 H65536\nFRAME\n", "larger than 268435456 pixels"},
    {"unknown colour space", "", "YUV4MPEG2 W8 H2 C420foo\n", "unknown colour space C420foo"},
    {"ten bits", "", "YUV4MPEG2 W8 H2 C420p10\n", "more than 8 bits"},
    {"unknown header tag", "", "YUV4MPEG2 W8 H2 Q3\n", "unknown YUV4MPEG2 header tag 'Q3'"},
    {"truncated frame", "", kHeader + kFrame + "FRAME\n" + std::string(10, 'x'), "ends inside frame 1 (10 of 24 bytes)"},
    {"truncated FRAME line", "", kHeader + kFrame + "FRA", "ends inside the FRAME line of frame 1"},
    {"truncated tagged FRAME line", "", kHeader + "FRAME Xab", "ends inside the FRAME line of frame 0"},
    {"garbage for FRAME", "", kHeader + kFrame + "GARBAGE" + std::string(24, 'x'), "expected FRAME at the start of frame 1"},
    {"unknown FRAME tag", "", kHeader + "FRAME Z\n" + std::string(24, 'x'), "unknown FRAME tag 'Z'"},
    {"truncated raw frame", "--raw 4x2 ", std::string(16 + 5, 'x'), "ends inside frame 1 (5 of 16 bytes)"},
    {"odd raw width", "--raw 5x2 ", std::string(20, 'x'), "need an even width"},
    {"raw beyond the size limit", "--raw 65536x65536 ", std::string(20, 'x'), "larger than 268435456 pixels"},
    {"missing input", "", std::nullopt, "cannot open input 'in.y4m': No such file or directory"},
};

// Every failure: one line, status 1, no partial file, an existing output untouched.
TEST_F(BadInput, RefusedWithOneLineAndNothingWritten) {
    for (const BadInputCase& c : kCases) {
        SCOPED_TRACE(c.name);
        if (c.input) write("in.y4m", *c.input);
        write("out.y4m", "earlier output");
        std::vector<std::string> before = names();
        before.push_back("new.y4m");  // must not appear
        for (const char* target : {"out.y4m", "new.y4m"}) {
            const CommandResult r = run("quillane --quiet " + c.options + "in.y4m " + target);
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err.rfind("quillane: ", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
        before.pop_back();
        EXPECT_EQ(names(), before);
        EXPECT_EQ(read("out.y4m"), "earlier output");
        std::filesystem::remove(path("in.y4m"));
    }
}

TEST_F(BadInput, DirectoryAsInputOrOutput) {
    std::filesystem::create_directory(path("folder"));
    write("in.y4m", kHeader + kFrame);
    const CommandResult in = run("quillane folder out.y4m");
    EXPECT_EQ(in.status, 1);
    EXPECT_NE(in.err.find("cannot read input 'folder': it is a directory"), std::string::npos) << in.err;
    const CommandResult out = run("quillane in.y4m folder");
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.err.find("cannot write output 'folder': it is a directory"), std::string::npos) << out.err;
}

TEST_F(BadInput, WriteErrorIsReported) {
    ASSERT_EQ(run("make_sample 64x32 4 in.y4m").status, 0);
    const CommandResult r = run("quillane --quiet in.y4m /dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write output '/dev/full': No space left on device"), std::string::npos) << r.err;
}

TEST_F(BadInput, ReaderClosingThePipeEndsTheRunQuietly) {
    // Far more than a pipe holds, so the command is still writing when the reader leaves.
    ASSERT_EQ(run("make_sample 256x144 40 in.y4m").status, 0);
    const CommandResult r = run("quillane --quiet in.y4m - | head -c 100 > /dev/null; exit ${PIPESTATUS[0]}");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace quillane::test
