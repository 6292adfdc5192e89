// Random geometry, settings and bytes through every available path: all must
// equal the portable path byte for byte, change nothing but the Y bytes of
// pixels 0..8n-1, and stay inside the frame, which ends right at a page that
// may not be touched. The same luma as a planar plane must come out the same.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_input.h"
#include "pipeline.h"

namespace {

using namespace quillane;

// A frame buffer whose last byte sits just before an inaccessible page.
class GuardedBuffer {
public:
    explicit GuardedBuffer(std::size_t size) {
        const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        mapped_ = (size + page - 1) / page * page + page;
        base_ = static_cast<std::uint8_t*>(mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base_ == MAP_FAILED) std::abort();
        mprotect(base_ + mapped_ - page, page, PROT_NONE);
        data_ = base_ + mapped_ - page - size;
    }
    ~GuardedBuffer() { munmap(base_, mapped_); }
    std::uint8_t* data() const { return data_; }

private:
    std::uint8_t* base_;
    std::uint8_t* data_;
    std::size_t mapped_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint32_t width = in.take(301), height = in.take(41);
    const std::size_t pitch = std::size_t{width} * 2 + in.take(48);
    FilterSettings settings;
    settings.strength = static_cast<std::int32_t>(in.take(129));
    settings.threshold4 = static_cast<std::int32_t>(in.take(513));
    settings.type = static_cast<std::int32_t>(in.take(3));
    settings.debug = static_cast<std::int32_t>(in.take(8)) - 1;
    const std::size_t bytes = pitch * height;

    std::vector<std::uint8_t> original(bytes);
    for (std::size_t i = 0; i < bytes; ++i)
        original[i] = in.restSize() ? in.rest()[i % in.restSize()] ^ static_cast<std::uint8_t>(i / 251) : 0;

    PlaneSet planes;
    if (!planes.create(width, height)) std::abort();
    std::vector<std::uint8_t> reference;
    const std::size_t processedBytes = std::size_t{width} / 8 * 16;
    for (Isa isa : availableIsas()) {
        GuardedBuffer frame(bytes);
        if (bytes) std::memcpy(frame.data(), original.data(), bytes);
        processFrame(FrameView{frame.data(), static_cast<std::int32_t>(pitch), width, height}, settings, planes,
                     kernelsFor(isa));
        for (std::size_t i = 0; i < bytes; ++i) {
            const std::size_t column = i % pitch;
            if ((column % 2 == 1 || column >= processedBytes) && frame.data()[i] != original[i]) std::abort();
        }
        if (reference.empty()) reference.assign(frame.data(), frame.data() + bytes);
        else if (bytes && std::memcmp(reference.data(), frame.data(), bytes) != 0) std::abort();
    }

    // The same luma as a plane of its own must come out as it did in the frame.
    const std::size_t planarPitch = width + pitch % 7;
    const std::size_t planarBytes = planarPitch * height;
    for (Isa isa : availableIsas()) {
        GuardedBuffer plane(planarBytes);
        for (std::size_t y = 0; y < height; ++y)
            for (std::size_t x = 0; x < planarPitch; ++x)
                plane.data()[y * planarPitch + x] = x < width ? original[y * pitch + 2 * x] : static_cast<std::uint8_t>(x);
        processPlanarLuma(PlanarLumaView{plane.data(), static_cast<std::int32_t>(planarPitch), width, height}, settings,
                          planes, kernelsFor(isa));
        for (std::size_t y = 0; y < height; ++y)
            for (std::size_t x = 0; x < planarPitch; ++x) {
                const std::uint8_t expected = x < width ? reference[y * pitch + 2 * x] : static_cast<std::uint8_t>(x);
                if (plane.data()[y * planarPitch + x] != expected) std::abort();
            }
    }
    return 0;
}
