#include <gtest/gtest.h>

#include "file_io.h"
#include "y4m_header.h"

namespace quillane::cli {
namespace {

struct AcceptedHeader {
    const char* line;
    std::uint32_t width, height;
    std::size_t frameBytes;
};

// 5x3 shows the rounding up of odd chroma sizes.
const AcceptedHeader kAccepted[] = {
    {"YUV4MPEG2 W5 H3\n", 5, 3, 15 + 2 * 3 * 2},
    {"YUV4MPEG2 W5 H3 C420jpeg\n", 5, 3, 15 + 2 * 3 * 2},
    {"YUV4MPEG2 W5 H3 C420paldv\n", 5, 3, 15 + 2 * 3 * 2},
    {"YUV4MPEG2 W5 H3 C420mpeg2\n", 5, 3, 15 + 2 * 3 * 2},
    {"YUV4MPEG2 W5 H3 C420\n", 5, 3, 15 + 2 * 3 * 2},
    {"YUV4MPEG2 W5 H3 C422\n", 5, 3, 15 + 2 * 3 * 3},
    {"YUV4MPEG2 W5 H3 C444\n", 5, 3, 15 * 3},
    {"YUV4MPEG2 W5 H3 C411\n", 5, 3, 15 + 2 * 2 * 3},
    {"YUV4MPEG2 W5 H3 Cmono\n", 5, 3, 15},
    {"YUV4MPEG2 C422 H2 F30000:1001 It A128:117 XYSCSS=422 W8\n", 8, 2, 16 + 2 * 4 * 2},
    {"YUV4MPEG2 W16384 H16384 Cmono\n", 16384, 16384, std::size_t{1} << 28},
};

TEST(Y4mHeader, AcceptsEveryEightBitColourSpaceAndKeepsTheLine) {
    for (const AcceptedHeader& c : kAccepted) {
        SCOPED_TRACE(c.line);
        const StreamFormat f = parseY4mHeader(c.line);
        EXPECT_EQ(f.width, c.width);
        EXPECT_EQ(f.height, c.height);
        EXPECT_EQ(f.frameBytes, c.frameBytes);
        EXPECT_EQ(f.header, c.line);
        EXPECT_EQ(f.layout, LumaLayout::Planar);
        EXPECT_TRUE(f.framed);
    }
}

struct RefusedHeader {
    const char* line;
    const char* messagePart;
};

const RefusedHeader kRefused[] = {
    {"YUV4MPEG2 W0 H2\n", "width of 0"},
    {"YUV4MPEG2 W2 H0\n", "height of 0"},
    {"YUV4MPEG2 W-2 H2\n", "bad width"},
    {"YUV4MPEG2 W2x H2\n", "bad width"},
    {"YUV4MPEG2 W4294967296 H2\n", "bad width"},
    {"YUV4MPEG2 W H2\n", "empty width"},
    {"YUV4MPEG2 W2\n", "lacks the width (W) or height (H)"},
    {"YUV4MPEG2 W16385 H16384\n", "larger than 268435456 pixels"},
    {"YUV4MPEG2 W65536 H65536\n", "larger than 268435456 pixels"},
    {"YUV4MPEG2 W2 H2 C420p10\n", "more than 8 bits"},
    {"YUV4MPEG2 W2 H2 C444p16\n", "more than 8 bits"},
    {"YUV4MPEG2 W2 H2 Cmono16\n", "more than 8 bits"},
    {"YUV4MPEG2 W2 H2 C444alpha\n", "unknown colour space C444alpha"},
    {"YUV4MPEG2 W2 H2 Cyuyv\n", "unknown colour space Cyuyv"},
    {"YUV4MPEG2 W2 H2 Z7\n", "unknown YUV4MPEG2 header tag 'Z7'"},
    {"YUV4MPEG2 W2  H2\n", "empty tag"},
};

TEST(Y4mHeader, RefusesWithAMessageNamingTheFault) {
    for (const RefusedHeader& c : kRefused) {
        SCOPED_TRACE(c.line);
        try {
            parseY4mHeader(c.line);
            ADD_FAILURE() << "accepted";
        } catch (const RunError& e) {
            EXPECT_NE(e.message.find(c.messagePart), std::string::npos) << e.message;
        }
    }
}

TEST(Y4mFrameLine, AcceptsInterlacingAndExtensionTagsOnly) {
    for (const char* line : {"FRAME\n", "FRAME Ib\n", "FRAME XA=1 XB\n"}) EXPECT_NO_THROW(checkY4mFrameLine(line, 0)) << line;
    for (const char* line : {"FRAME Q1\n", "FRAME \n", "FRAME X1  X2\n"}) EXPECT_THROW(checkY4mFrameLine(line, 0), RunError) << line;
}

}  // namespace
}  // namespace quillane::cli
