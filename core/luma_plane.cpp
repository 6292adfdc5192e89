#include "luma_plane.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace quillane {
namespace {

bool mulFits(std::size_t a, std::size_t b, std::size_t& out) {
    if (a != 0 && b > std::numeric_limits<std::size_t>::max() / a) return false;
    out = a * b;
    return true;
}

bool addFits(std::size_t a, std::size_t b, std::size_t& out) {
    if (b > std::numeric_limits<std::size_t>::max() - a) return false;
    out = a + b;
    return true;
}

}  // namespace

bool lumaPlaneBytes(std::uint32_t width, std::uint32_t height, std::size_t& bytes) {
    std::size_t blocksPerRow = 0, rows = 0, stride = 0;
    return addFits(width / kBlockSamples, 2, blocksPerRow) &&
           addFits(height, 2, rows) &&
           mulFits(blocksPerRow, kBlockBytes, stride) &&
           mulFits(stride, rows, bytes);
}

bool createLumaPlane(LumaPlane& plane, std::uint32_t width, std::uint32_t height) {
    plane = LumaPlane{};
    std::size_t bytes = 0, padded = 0;
    // malloc guarantees only 8-byte alignment on 32-bit targets: over-allocate and align by hand.
    if (!lumaPlaneBytes(width, height, bytes) || !addFits(bytes, kBlockBytes, padded)) return false;
    void* raw = std::calloc(padded, 1);
    if (raw == nullptr) return false;
    const auto address = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (address + kBlockBytes - 1) & ~std::uintptr_t{kBlockBytes - 1};

    plane.allocation = raw;
    plane.width = width;
    plane.height = height;
    plane.blocks = width / kBlockSamples;
    plane.blocksPerRow = plane.blocks + 2;
    plane.strideSamples = plane.blocksPerRow * kBlockSamples;
    plane.reference = reinterpret_cast<std::int16_t*>(aligned) + kBlockSamples;
    return true;
}

void releaseLumaPlane(LumaPlane& plane) {
    std::free(plane.allocation);
    plane = LumaPlane{};
}

std::int16_t* rowData(const LumaPlane& plane, std::int64_t y) {
    return plane.reference + static_cast<std::size_t>(y + 1) * plane.strideSamples;
}

void fillGuardBlocks(const LumaPlane& plane, std::int64_t y) {
    if (plane.blocks == 0) return;
    std::int16_t* row = rowData(plane, y);
    const std::int16_t first = row[0];
    const std::int16_t last = row[plane.blocks * kBlockSamples - 1];
    std::int16_t* right = row + plane.blocks * kBlockSamples;
    for (std::size_t i = 0; i < kBlockSamples; ++i) {
        row[-1 - static_cast<std::ptrdiff_t>(i)] = first;
        right[i] = last;
    }
}

void fillGuardRows(const LumaPlane& plane) {
    const std::size_t bytes = plane.strideSamples * sizeof(std::int16_t);
    const std::int64_t h = plane.height;
    if (h == 0) return;
    std::memcpy(rowData(plane, h) - kBlockSamples, rowData(plane, h - 1) - kBlockSamples, bytes);
    std::memcpy(rowData(plane, -1) - kBlockSamples, rowData(plane, 0) - kBlockSamples, bytes);
}

bool PlaneSet::create(std::uint32_t width, std::uint32_t height) {
    release();
    if (createLumaPlane(lumaPlane, width, height) && createLumaPlane(smoothPlane, width, height) &&
        createLumaPlane(workPlane, width, height) && createLumaPlane(detailPlane, width, height))
        return true;
    release();
    return false;
}

void PlaneSet::release() {
    releaseLumaPlane(lumaPlane);
    releaseLumaPlane(smoothPlane);
    releaseLumaPlane(workPlane);
    releaseLumaPlane(detailPlane);
}

}  // namespace quillane
