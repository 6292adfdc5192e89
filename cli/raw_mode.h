#pragma once

#include "file_io.h"
#include "options.h"

namespace quillane::cli {

// Largest frame the command accepts, in pixels.
inline constexpr std::uint64_t kMaxFramePixels = std::uint64_t{1} << 28;

// Cleans packed YUY2 frames of the geometry in options from input to output.
// Returns the number of frames; throws RunError.
std::uint64_t runRaw(const Options& options, const FilterSettings& settings, InputFile& input, OutputFile& output);

}  // namespace quillane::cli
