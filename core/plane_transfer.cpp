#include "plane_transfer.h"

#include <cstddef>

#include "stage_rows.h"

namespace quillane {

void loadLuma(const FrameView& frame, const LumaPlane& lumaPlane, const Kernels& kernels) {
    const std::size_t samples = detail::dataSamples(lumaPlane);
    detail::writeRows(lumaPlane, [&](std::int64_t y, std::int16_t* row) {
        const std::uint8_t* src = frameRow(frame, y);
        kernels.packed.load(src, row, samples);
        if (samples == 0 && frame.width > 0) {
            // No data block: both guard blocks (the right one starts at column 0) take pixel 0.
            for (std::ptrdiff_t i = -static_cast<std::ptrdiff_t>(kBlockSamples); i < std::ptrdiff_t{kBlockSamples}; ++i)
                row[i] = src[0];
        }
    });
}

void storeLuma(const LumaPlane& plane, const FrameView& frame, StoreEncoding encoding, const Kernels& kernels) {
    const std::size_t samples = detail::dataSamples(plane);
    if (samples == 0) return;
    for (std::int64_t y = 0; y < std::int64_t{plane.height}; ++y)
        kernels.packed.store(rowData(plane, y), frameRow(frame, y), samples, encoding);
}

}  // namespace quillane
