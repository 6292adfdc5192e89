#include "quillane_clip.h"

#include "cpu_id_source.h"
#include "pipeline.h"

namespace quillane {

Quillane::Quillane(PClip _child, int strength, float threshold, int type, int debug, IScriptEnvironment* env)
    : GenericVideoFilter(_child),
      height(static_cast<std::uint32_t>(vi.height)),
      width(static_cast<std::uint32_t>(vi.width)),
      settings(makeFilterSettings(strength, threshold, type, debug)) {
    // Members built so far are released by unwinding when ThrowError raises.
    if (!planes.create(width, height))
        env->ThrowError("QUILLANE:not enough memory for a %ux%u clip.", width, height);
    CpuIdLeaf1 leaf;
    cpuIdReader()(leaf);
    if (const char* refusal = settingsError(leaf, strength, threshold, type)) env->ThrowError(refusal);
}

PVideoFrame __stdcall Quillane::GetFrame(int n, IScriptEnvironment* env) {
    PVideoFrame frame = child->GetFrame(n, env);
    env->MakeWritable(&frame);
    BYTE* const data = frame ? frame->GetWritePtr() : nullptr;
    if (data == nullptr) env->ThrowError("QUILLANE:frame %d could not be made writable.", n);
    processFrame(FrameView{data, frame->GetPitch(), width, height}, settings, planes);
    return frame;
}

}  // namespace quillane
