#pragma once

#include "filter_settings.h"
#include "options.h"

namespace quillane::cli {

// Writes the preview sheet of frame options.frame of options.input to
// options.output, which appears only when complete. Throws RunError.
void runPreview(const Options& options, const FilterSettings& settings);

}  // namespace quillane::cli
