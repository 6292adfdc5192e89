#pragma once

#include "file_io.h"
#include "filter_settings.h"
#include "frame_reader.h"
#include "progress.h"

namespace quillane::cli {

// Cleans every frame of the stream on `threads` workers (the calling thread
// and threads - 1 more), each with its own buffers, and writes the stream to
// output in input order, header and FRAME lines unchanged. At most `threads`
// frames are held at once. The output is
// the same for every thread count. Throws RunError.
void cleanStream(FrameReader& reader, OutputFile& output, const FilterSettings& settings, unsigned threads,
                 Progress& progress);

}  // namespace quillane::cli
