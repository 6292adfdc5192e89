#include "test_frame.h"

namespace quillane::test {

std::vector<std::vector<std::uint8_t>> rowsOf(const VideoFrame& frame) {
    std::vector<std::vector<std::uint8_t>> rows;
    for (int y = 0; y < frame.GetHeight(); ++y) {
        const BYTE* row = frame.GetReadPtr() + static_cast<std::ptrdiff_t>(y) * frame.GetPitch();
        rows.emplace_back(row, row + frame.GetRowSize());
    }
    return rows;
}

std::vector<std::vector<std::uint8_t>> rowsOf(const Yuy2Frame& frame) {
    std::vector<std::vector<std::uint8_t>> rows;
    for (std::uint32_t y = 0; y < frame.height(); ++y) rows.emplace_back(frame.row(y), frame.row(y) + 2 * frame.width());
    return rows;
}

}  // namespace quillane::test
