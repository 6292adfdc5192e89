#pragma once

#include "filter_settings.h"
#include "source_clip.h"
#include "yuy2_frame.h"

namespace quillane::test {

// What the source's frame n becomes under processFrame with these settings and
// the clip's own width and height.
Yuy2Frame expectedFrame(SourceClip& source, int n, const FilterSettings& settings);

}  // namespace quillane::test
