#include "preview_command.h"

#include <cstdio>

#include "file_io.h"
#include "frame_reader.h"
#include "png_encoding.h"
#include "preview_sheet.h"

namespace quillane::cli {

void runPreview(const Options& options, const FilterSettings& settings) {
    InputFile input(options.input);
    std::optional<RawGeometry> raw;
    if (options.rawWidth) raw = RawGeometry{*options.rawWidth, *options.rawHeight};
    FrameReader reader(input, raw);
    Frame frame;
    for (std::uint64_t n = 0; n <= options.frame; ++n) {
        if (!reader.read(frame))
            throw RunError{input.name() + " has only " + std::to_string(n) + " frames; there is no frame " +
                           std::to_string(options.frame)};
    }
    const GrayImage sheet = buildPreviewSheet(reader.format(), frame, options.frame, settings, options.threshold);
    const std::vector<std::uint8_t> png = encodePng(sheet);
    OutputFile output(options.output);
    output.write(png.data(), png.size());
    output.commit();
    if (!options.quiet)
        std::fprintf(stderr, "quillane: wrote the preview of frame %llu to %s\n",
                     static_cast<unsigned long long>(options.frame), options.output.c_str());
}

}  // namespace quillane::cli
