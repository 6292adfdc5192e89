#include <cstdint>
#include <vector>

#include "plugin_fixture.h"
#include "test_frame.h"

namespace quillane::test {

// Found by argument lookup: the case types live in this namespace.
void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.label; }

namespace {

class Frames : public PluginTest, public ::testing::WithParamInterface<FrameCase> {};

// Same bytes as processFrame on the same input, in particular the same chroma.
TEST_P(Frames, EqualProcessFrameOnTheSameInput) {
    const FrameCase& c = GetParam();
    const Source source = makeSource(yuy2Info(c.width, c.height), c.layout);
    const PClip filter = create(source, c.named).AsClip();
    for (const int n : kCaseFrames) {
        const PVideoFrame frame = filter->GetFrame(n, &env);
        const Yuy2Frame input = source->picture(n);
        EXPECT_EQ(rowsOf(*frame), rowsOf(expectedFrame(*source, n, c.settings))) << "frame " << n;

        const auto out = rowsOf(*frame), in = rowsOf(input);
        ASSERT_EQ(out.size(), in.size());
        for (std::size_t y = 0; y < in.size(); ++y)
            for (std::size_t x = 1; x < in[y].size(); x += 2) ASSERT_EQ(out[y][x], in[y][x]) << "chroma " << x << "," << y;
    }
    EXPECT_EQ(env.copiesMade(), 0);
}

INSTANTIATE_TEST_SUITE_P(Plugin, Frames, ::testing::ValuesIn(frameCases()),
                         [](const auto& info) { return std::string(info.param.label); });

class FrameOwnership : public PluginTest {
protected:
    Source source = makeSource(yuy2Info(32, 8), {}, /*caching=*/true);
    PClip filter = create(source).AsClip();
};

TEST_F(FrameOwnership, FrameHeldElsewhereIsCopiedNotModified) {
    const PVideoFrame held = source->GetFrame(2, &env);
    const PVideoFrame cleaned = filter->GetFrame(2, &env);

    EXPECT_NE(cleaned.get(), held.get());
    EXPECT_EQ(env.copiesMade(), 1);
    EXPECT_EQ(rowsOf(*held), rowsOf(source->picture(2)));
    EXPECT_EQ(rowsOf(*cleaned), rowsOf(expectedFrame(*source, 2, {})));
}

// A host that fails to make the frame writable gets a script error, and no
// write goes through the null pointer it would leave.
TEST_F(FrameOwnership, FrameLeftSharedRaisesAnErrorInsteadOfWriting) {
    env.refuseToCopy();
    const PVideoFrame held = source->GetFrame(4, &env);
    try {
        filter->GetFrame(4, &env);
        ADD_FAILURE() << "no error raised";
    } catch (const AvisynthError& error) {
        EXPECT_STREQ(error.msg, "QUILLANE:frame 4 could not be made writable.");
    }
    EXPECT_EQ(rowsOf(*held), rowsOf(source->picture(4)));
}

TEST_F(FrameOwnership, FrameNumberGoesToTheInputAsReceived) {
    for (const int n : {-3, 0, 7, 1000}) filter->GetFrame(n, &env);
    EXPECT_EQ(source->framesRequested(), (std::vector<int>{-3, 0, 7, 1000}));
}

}  // namespace
}  // namespace quillane::test
