#pragma once

// The pattern every row-producing stage follows: compute each data row, give
// it its guard blocks, and after the last row copy the edge rows into the
// guard rows. Internal to the core.

#include <cstdint>

#include "luma_plane.h"

namespace quillane::detail {

// Settings enter the lanes as their low 16 bits.
inline std::int16_t laneValue(std::int32_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v)); }

inline std::size_t dataSamples(const LumaPlane& plane) { return plane.blocks * kBlockSamples; }

template <class RowFn>
void writeRows(const LumaPlane& out, RowFn&& computeRow) {
    for (std::int64_t y = 0; y < std::int64_t{out.height}; ++y) {
        computeRow(y, rowData(out, y));
        fillGuardBlocks(out, y);
    }
    fillGuardRows(out);
}

}  // namespace quillane::detail
