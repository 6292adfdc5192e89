#include "plugin_fixture.h"

#include <stdexcept>

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

}  // namespace quillane::test
