#pragma once

#include <cstdint>

#include "filter_settings.h"
#include "host_interface.h"
#include "luma_plane.h"

namespace quillane {

// The clip a script's Quillane call returns: its input with the luma of every
// frame cleaned in place. One frame at a time: the planes are per-instance scratch.
class Quillane : public GenericVideoFilter {
public:
    // Raises a script error through env when the planes cannot be made, the
    // processor lacks SSE2/SSE3/SSE4.1 or a parameter is out of range.
    Quillane(PClip _child, int strength, float threshold, int type, int debug, IScriptEnvironment* env);

    PVideoFrame __stdcall GetFrame(int n, IScriptEnvironment* env) override;

private:
    // Declared after the base so that the planes go before the input clip is released.
    std::uint32_t height;
    std::uint32_t width;
    FilterSettings settings;
    PlaneSet planes;
};

}  // namespace quillane
