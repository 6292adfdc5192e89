#include "plugin_fixture.h"

#include "luma_plane.h"
#include "pipeline.h"

namespace quillane::test {

PluginTest::PluginTest() {
    PluginModule::get().init(&env);
    if (!env.registrations().empty()) quillane = &env.registrations().front();
}

Source PluginTest::makeSource(const VideoInfo& vi, FrameLayout layout, bool caching) {
    return Source(new SourceClip(vi, layout, caching));
}

AVSValue PluginTest::create(const Source& source, const Named& named) {
    if (quillane == nullptr) throw std::logic_error("Quillane is not registered");
    return callAsScript(*quillane, PClip(source.get()), named, &env);
}

std::string PluginTest::refusal(const Source& source, const Named& named) {
    try {
        create(source, named);
    } catch (const AvisynthError& error) {
        return error.msg;
    }
    ADD_FAILURE() << "the call was accepted";
    return {};
}

Yuy2Frame PluginTest::expectedFrame(SourceClip& source, int n, const FilterSettings& settings) {
    Yuy2Frame frame = source.picture(n);
    const VideoInfo& vi = source.GetVideoInfo();
    const auto width = static_cast<std::uint32_t>(vi.width);
    const auto height = static_cast<std::uint32_t>(vi.height);
    PlaneSet planes;
    if (!planes.create(width, height)) throw std::bad_alloc();
    processFrame(FrameView{frame.row(0), static_cast<std::int32_t>(frame.pitch()), width, height}, settings, planes);
    return frame;
}

}  // namespace quillane::test
