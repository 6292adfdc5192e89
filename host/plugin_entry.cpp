#include "filter_settings.h"
#include "host_interface.h"
#include "module_export.h"
#include "quillane_clip.h"

namespace quillane {
namespace {

constexpr const char* kFunctionName = "Quillane";
constexpr const char* kSignature = "c[strength]i[threshold]f[type]i[debug]i";

int intArgument(const AVSValue& value, int fallback) { return value.IsInt() ? value.AsInt() : fallback; }

}  // namespace

AVSValue __cdecl createFilter(AVSValue args, void*, IScriptEnvironment* env) {
    PClip clip = args[0].AsClip();
    if (!clip || !clip->GetVideoInfo().IsYUY2()) env->ThrowError(kMessageNotYuy2);

    const int strength = intArgument(args[1], kDefaultStrength);
    // An integer threshold arrives as kind 'i'; IsFloat accepts both kinds.
    const double threshold = args[2].IsFloat() ? args[2].AsFloat() : kDefaultThreshold;
    const int type = intArgument(args[3], kDefaultType);
    const int debug = intArgument(args[4], kDefaultDebug);

    return new Quillane(clip, strength, thresholdToSingle(threshold), type, debug, env);
}

}  // namespace quillane

extern "C" QUILLANE_MODULE_EXPORT const char* __stdcall AvisynthPluginInit2(IScriptEnvironment* env) {
    env->AddFunction(quillane::kFunctionName, quillane::kSignature, quillane::createFilter, nullptr);
    return quillane::kVersionText.data();
}
