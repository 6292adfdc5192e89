#include <gtest/gtest.h>

#include <random>

#include "command_runner.h"
#include "pipeline.h"

namespace quillane::test {
namespace {

using CleanCommand = CommandTest;

TEST_F(CleanCommand, OutputIsTheSameForEveryThreadCount) {
    // 23 frames: more than the queue holds, and not a multiple of any thread count tried.
    ASSERT_EQ(run("make_sample 52x18 23 in.y4m").status, 0);
    ASSERT_EQ(run("quillane --quiet --threads 1 in.y4m one.y4m").status, 0);
    const std::string one = read("one.y4m");
    ASSERT_EQ(one.size(), read("in.y4m").size());
    EXPECT_NE(one, read("in.y4m"));
    for (const char* threads : {"2", "3", "8", "32"}) {
        SCOPED_TRACE(threads);
        ASSERT_EQ(run(std::string("quillane --quiet --threads ") + threads + " in.y4m - > many.y4m").status, 0);
        EXPECT_EQ(read("many.y4m"), one);
    }
}

TEST_F(CleanCommand, HeaderAndFrameLinesPassThroughUnchanged) {
    const std::string header = "YUV4MPEG2 W9 H4 F24000:1001 Im A10:11 C422 XCOLORRANGE=FULL Xodd\n";
    const std::size_t frameBytes = 9 * 4 + 2 * 5 * 4;
    std::string stream = header;
    const std::string lines[] = {"FRAME\n", "FRAME It XA=1\n", "FRAME Xlast\n"};
    for (const std::string& line : lines) stream += line + std::string(frameBytes, '\x50');
    write("in.y4m", stream);
    ASSERT_EQ(run("quillane --quiet in.y4m out.y4m").status, 0);
    // A flat frame stays flat, so the whole stream comes back byte for byte.
    EXPECT_EQ(read("out.y4m"), stream);
}

TEST_F(CleanCommand, RawYuy2StaysBehindItsGeometry) {
    ASSERT_EQ(run("make_sample 40x10 3 in.yuy2").status, 0);
    ASSERT_EQ(run("quillane --quiet --raw 40x10 in.yuy2 out.yuy2").status, 0);
    EXPECT_EQ(read("out.yuy2").size(), read("in.yuy2").size());
    EXPECT_NE(read("out.yuy2"), read("in.yuy2"));
    const CommandResult unflagged = run("quillane --quiet in.yuy2 out2.yuy2");
    EXPECT_EQ(unflagged.status, 1);
    EXPECT_NE(unflagged.err.find("not a YUV4MPEG2 stream (give --raw WxH"), std::string::npos) << unflagged.err;
}

TEST_F(CleanCommand, RawFramesAreCleanedExactlyAsProcessFrameCleansThem) {
    const std::uint32_t w = 38, h = 7;  // not a multiple of 8: pixels 32..37 stay
    std::mt19937 rng(17);
    std::string input(std::size_t{w} * h * 2 * 3, '\0');
    for (char& c : input) c = static_cast<char>(rng());
    write("in.yuy2", input);
    struct Case { const char* options; FilterSettings settings; };
    const Case cases[] = {
        {"", FilterSettings{11, 4, 0, 0}},
        {"--strength 128 --threshold 0 --type 2", FilterSettings{128, 0, 2, 0}},
        {"--strength 33 --threshold 2 --type 1 --debug 3", FilterSettings{33, 8, 1, 3}},
        {"--threshold 0.7499999999 --debug 5 --isa scalar", FilterSettings{11, 3, 0, 5}},
        {"--threshold 128 --debug -1 --isa sse4.1", FilterSettings{11, 512, 0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        ASSERT_EQ(run(std::string("quillane --quiet --raw 38x7 ") + c.options + " in.yuy2 out.yuy2").status, 0);
        std::string expected = input;
        PlaneSet planes;
        ASSERT_TRUE(planes.create(w, h));
        for (std::size_t f = 0; f < 3; ++f) {
            auto* frame = reinterpret_cast<std::uint8_t*>(expected.data()) + f * w * h * 2;
            processFrame(FrameView{frame, static_cast<std::int32_t>(w * 2), w, h}, c.settings, planes, scalarKernels());
        }
        EXPECT_EQ(read("out.yuy2"), expected);
    }
}

TEST_F(CleanCommand, SummaryUnlessQuiet) {
    ASSERT_EQ(run("make_sample 16x8 4 in.y4m").status, 0);
    const CommandResult loud = run("quillane in.y4m out.y4m");
    EXPECT_EQ(loud.status, 0);
    EXPECT_NE(loud.err.find("quillane: 4 frames in "), std::string::npos) << loud.err;
    EXPECT_NE(loud.err.find(" frames/s)\n"), std::string::npos) << loud.err;
    EXPECT_EQ(std::count(loud.err.begin(), loud.err.end(), '\n'), 1) << "progress shown while stderr is a file";
    const CommandResult quiet = run("quillane --quiet in.y4m out.y4m");
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
}

TEST_F(CleanCommand, HelpNamesEveryOptionAndTheExitStatuses) {
    ASSERT_EQ(run("quillane --help > help.txt").status, 0);
    const std::string help = read("help.txt");
    for (const char* item : {"--raw", "--strength", "--threshold", "--type", "--debug", "--isa", "--threads", "--quiet",
                             "--frame", "-o SHEET", "--help", "--version", "preview", "exit status: 0", "; 1 ", "; 2 "})
        EXPECT_NE(help.find(item), std::string::npos) << item;
    ASSERT_EQ(run("quillane --version > version.txt").status, 0);
    EXPECT_EQ(read("version.txt"), "Quillane ver 0.1\n");
}

struct UsageCase {
    const char* arguments;
    const char* messagePart;
};

const UsageCase kUsageErrors[] = {
    {"in.y4m", "expected INPUT and OUTPUT"},
    {"--threads 0 in.y4m out.y4m", "--threads takes a whole number from 1 to 1024"},
    {"--threads two in.y4m out.y4m", "--threads takes"},
    {"--frame 2 in.y4m out.y4m", "--frame applies only to preview"},
    {"-o s.png in.y4m out.y4m", "-o applies only to preview"},
    {"preview in.y4m --debug 2", "--debug does not apply to preview"},
    {"preview in.y4m --threads 2", "--threads does not apply to preview"},
    {"preview in.y4m --frame -1", "--frame takes a frame number"},
    {"preview", "preview expects one INPUT"},
    {"--strength 129 in.y4m out.y4m", "QUILLANE:strength must be 0 to 128."},
    {"--strength 200 --type 7 in.y4m out.y4m", "QUILLANE:strength must be 0 to 128."},
    {"--threshold nan in.y4m out.y4m", "QUILLANE:threshold must be 0 to 128."},
    {"--threshold 1e999 in.y4m out.y4m", "QUILLANE:threshold must be 0 to 128."},
    {"--threshold -0.01 --type 9 in.y4m out.y4m", "QUILLANE:threshold must be 0 to 128."},
    {"--type 3 in.y4m out.y4m", "QUILLANE:type must be 0 to 2."},
    {"--colour 1 in.y4m out.y4m", "unknown option --colour"},
    {"$'--raw\\n8x2' in.y4m out.y4m", "unknown option --raw\\x0a8x2"},
};

TEST_F(CleanCommand, BadCommandLinesExitWithStatusTwoAndOneLine) {
    write("in.y4m", y4mStream("YUV4MPEG2 W8 H2\n", 24, 1));
    for (const UsageCase& c : kUsageErrors) {
        SCOPED_TRACE(c.arguments);
        const CommandResult r = run(std::string("quillane ") + c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(exists("out.y4m"));
    }
}

TEST_F(CleanCommand, ShippedSampleIsWhatTheGeneratorMakes) {
    ASSERT_EQ(run("make_sample 256x144 5 made.y4m").status, 0);
    std::ifstream shipped(SAMPLE_CLIP, std::ios::binary);
    ASSERT_TRUE(shipped.good());
    EXPECT_EQ(read("made.y4m"), std::string(std::istreambuf_iterator<char>(shipped), {}));
}

}  // namespace
}  // namespace quillane::test

namespace quillane::test {
namespace {

using ProgressDisplay = CommandTest;

// `script` gives the command a terminal for stderr; its transcript holds what the terminal showed.
TEST_F(ProgressDisplay, ShownOnATerminalWithPercentWhenTheSizeIsKnown) {
    ASSERT_EQ(run("make_sample 16x8 4 in.y4m").status, 0);
    struct Case {
        const char* command;
        bool progress, percent;
    };
    const Case cases[] = {
        {"$Q in.y4m out.y4m", true, true},
        {"cat in.y4m | $Q - out.y4m", true, false},
        {"$Q --quiet in.y4m out.y4m", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_EQ(run(std::string("export Q='" QUILLANE_BINARY "'; script -qec '") + c.command + "' /dev/null < /dev/null > shown.txt").status, 0);
        const std::string shown = read("shown.txt");
        EXPECT_EQ(shown.find("\r1 frames, ") != std::string::npos, c.progress) << shown;
        EXPECT_EQ(shown.find("%, ") != std::string::npos && shown.find(" s left") != std::string::npos, c.percent) << shown;
        EXPECT_EQ(shown.find("quillane: 4 frames in ") != std::string::npos, c.progress) << shown;
    }
}

}  // namespace
}  // namespace quillane::test
