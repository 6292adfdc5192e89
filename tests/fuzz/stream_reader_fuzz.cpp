// Arbitrary bytes as y4m or raw YUY2 input: every frame the reader accepts
// is cleaned, and every refusal is one non-empty line.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "file_io.h"
#include "frame_cleaner.h"
#include "frame_reader.h"

using namespace quillane;
using namespace quillane::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes choose raw input and its geometry; the rest is the stream.
    std::optional<RawGeometry> raw;
    if (data[0] & 1) raw = RawGeometry{static_cast<std::uint32_t>(data[0] >> 1), static_cast<std::uint32_t>(data[1] % 24)};
    const int fd = memfd_create("input", 0);
    if (fd < 0) std::abort();
    if (write(fd, data + 2, size - 2) != static_cast<ssize_t>(size - 2)) std::abort();
    lseek(fd, 0, SEEK_SET);
    try {
        InputFile input("/proc/self/fd/" + std::to_string(fd));
        FrameReader reader(input, raw);
        FrameCleaner cleaner(reader.format(), FilterSettings{});
        Frame frame;
        while (reader.read(frame)) {
            if (frame.bytes.size() != reader.format().frameBytes) std::abort();
            cleaner.clean(frame.bytes.data());
        }
    } catch (const RunError& e) {
        if (e.message.empty() || e.message.find('\n') != std::string::npos) std::abort();
    }
    close(fd);
    return 0;
}
