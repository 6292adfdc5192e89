#pragma once

#include <cstddef>
#include <cstdint>

namespace quillane {

inline constexpr std::size_t kBlockSamples = 8;
inline constexpr std::size_t kBlockBytes = 16;

// Signed 16-bit samples with one guard block at each end of every row and one
// guard row above and below the image. `reference` is sample (0, -1).
struct LumaPlane {
    std::int16_t* reference = nullptr;
    void* allocation = nullptr;  // what release() hands back to the allocator
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t blocks = 0;        // n: data blocks per row
    std::size_t blocksPerRow = 0;  // n + 2
    std::size_t strideSamples = 0;

    std::int16_t* storage() const { return reference - kBlockSamples; }
    std::size_t storageSamples() const { return strideSamples * (std::size_t{height} + 2); }
};

// Computes the storage size in size_t; false when it does not fit.
bool lumaPlaneBytes(std::uint32_t width, std::uint32_t height, std::size_t& bytes);

// Zero-filled, 16-byte aligned. Returns false (plane left empty) when the size
// overflows or the allocation fails.
bool createLumaPlane(LumaPlane& plane, std::uint32_t width, std::uint32_t height);
void releaseLumaPlane(LumaPlane& plane);

// Address of sample (0, y), y from -1 to height.
std::int16_t* rowData(const LumaPlane& plane, std::int64_t y);

// Left guard block := sample (0, y), right guard block := sample (8n - 1, y);
// with n = 0 both keep whatever the caller put in the left one.
void fillGuardBlocks(const LumaPlane& plane, std::int64_t y);

// Copies row height-1 over the bottom guard row, then row 0 over the top one.
void fillGuardRows(const LumaPlane& plane);

// Runs a sample-by-sample span function, map(samples, count), over the whole
// storage, guards included: per-sample work keeps the guard invariant.
template <class SpanFn>
void mapWholePlane(const LumaPlane& plane, SpanFn&& map) {
    map(plane.storage(), plane.storageSamples());
}

// The four working planes of one filter instance, created and released in order.
struct PlaneSet {
    LumaPlane lumaPlane, smoothPlane, workPlane, detailPlane;

    PlaneSet() = default;
    PlaneSet(const PlaneSet&) = delete;
    PlaneSet& operator=(const PlaneSet&) = delete;
    ~PlaneSet() { release(); }

    bool create(std::uint32_t width, std::uint32_t height);
    void release();
};

}  // namespace quillane
