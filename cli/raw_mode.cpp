#include "raw_mode.h"

#include <memory>

#include "pipeline.h"

namespace quillane::cli {

std::uint64_t runRaw(const Options& options, const FilterSettings& settings, InputFile& input, OutputFile& output) {
    const std::uint32_t width = *options.rawWidth, height = *options.rawHeight;
    if (width % 2 != 0) throw RunError{"YUY2 frames need an even width, not " + std::to_string(width)};
    const std::uint64_t pixels = std::uint64_t{width} * height;
    if (pixels > kMaxFramePixels)
        throw RunError{"frame " + std::to_string(width) + "x" + std::to_string(height) + " is larger than " +
                       std::to_string(kMaxFramePixels) + " pixels"};
    const std::size_t frameBytes = static_cast<std::size_t>(pixels * 2);

    PlaneSet planes;
    if (!planes.create(width, height)) throw RunError{"out of memory for the working planes"};
    std::unique_ptr<std::uint8_t[]> frame(new std::uint8_t[frameBytes]);
    const FrameView view{frame.get(), static_cast<std::int32_t>(width * 2), width, height};

    std::uint64_t frames = 0;
    for (;;) {
        const std::size_t got = input.read(frame.get(), frameBytes);
        if (got == 0) break;
        if (got < frameBytes)
            throw RunError{input.name() + " ends inside frame " + std::to_string(frames) + " (" +
                           std::to_string(got) + " of " + std::to_string(frameBytes) + " bytes)"};
        processFrame(view, settings, planes);
        output.write(frame.get(), frameBytes);
        ++frames;
    }
    return frames;
}

}  // namespace quillane::cli
