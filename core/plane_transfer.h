#pragma once

#include "frame_view.h"
#include "kernels.h"
#include "luma_plane.h"
#include "store_encoding.h"

namespace quillane {

// Y bytes of the frame into lumaPlane (0..255), guards included.
void loadLuma(const FrameView& frame, const LumaPlane& lumaPlane, const Kernels& kernels = activeKernels());

// Rewrites the Y bytes of pixels 0..8n-1 of every row from the plane; chroma
// and the last width mod 8 pixels are left alone.
void storeLuma(const LumaPlane& plane, const FrameView& frame, StoreEncoding encoding,
               const Kernels& kernels = activeKernels());

}  // namespace quillane
