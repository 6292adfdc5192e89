#include <cstdint>
#include <vector>

#include "plugin_fixture.h"
#include "test_frame.h"

namespace quillane::test {
namespace {

class ClipQueries : public PluginTest {
protected:
    Source source = makeSource(yuy2Info(720, 480, 250));
    PClip filter = create(source).AsClip();
};

TEST_F(ClipQueries, VideoInfoIsTheInputs) {
    const VideoInfo& in = source->GetVideoInfo();
    const VideoInfo& out = filter->GetVideoInfo();
    EXPECT_EQ(out.width, 720);
    EXPECT_EQ(out.height, 480);
    EXPECT_EQ(out.pixel_type, in.pixel_type);
    EXPECT_EQ(out.fps_numerator, in.fps_numerator);
    EXPECT_EQ(out.fps_denominator, in.fps_denominator);
    EXPECT_EQ(out.num_frames, in.num_frames);
    EXPECT_EQ(out.audio_samples_per_second, in.audio_samples_per_second);
    EXPECT_EQ(out.sample_type, in.sample_type);
    EXPECT_EQ(out.num_audio_samples, in.num_audio_samples);
    EXPECT_EQ(out.nchannels, in.nchannels);
}

TEST_F(ClipQueries, VersionIsTheInterfaceVersion) { EXPECT_EQ(filter->GetVersion(), 2); }

TEST_F(ClipQueries, ParityIsTheInputs) {
    for (int n = -2; n < 12; ++n) EXPECT_EQ(filter->GetParity(n), source->GetParity(n)) << n;
}

// The filter's audio is the input's, and only the requested samples are written.
TEST_F(ClipQueries, AudioIsTheInputs) {
    struct Request {
        std::int64_t start, count;
    };
    for (const Request r : {Request{0, 100}, Request{48000, 7}, Request{123456789012, 3}, Request{5, 0}}) {
        constexpr std::uint8_t kUntouched = 0xEE;
        const std::size_t bytes = source->audioBytes(r.count);
        std::vector<std::uint8_t> fromFilter(bytes + 16, kUntouched), fromSource(bytes + 16, kUntouched);
        filter->GetAudio(fromFilter.data(), r.start, r.count, &env);
        source->GetAudio(fromSource.data(), r.start, r.count, &env);
        EXPECT_EQ(fromFilter, fromSource) << r.start;
        for (std::size_t i = bytes; i < fromFilter.size(); ++i) EXPECT_EQ(fromFilter[i], kUntouched);
    }
}

TEST_F(ClipQueries, CacheHintsChangeNothing) {
    const auto before = rowsOf(*filter->GetFrame(1, &env));
    for (const int hint : {-1, 0, 1, 2, 100}) filter->SetCacheHints(hint, hint * 3);
    EXPECT_EQ(source->cacheHintCalls(), 0);
    EXPECT_EQ(rowsOf(*filter->GetFrame(1, &env)), before);
}

}  // namespace
}  // namespace quillane::test
