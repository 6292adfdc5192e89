#pragma once

// Runs the core on test frames with planes made for the occasion.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "pipeline.h"
#include "yuy2_frame.h"

namespace quillane::test {

// Cleans the frame in place with a fresh set of planes.
inline void runFilter(Yuy2Frame& frame, const FilterSettings& settings, const Kernels& kernels = scalarKernels()) {
    PlaneSet planes;
    ASSERT_TRUE(planes.create(frame.width(), frame.height()));
    processFrame(frame.view(), settings, planes, kernels);
}

// Luma rows from a function of the pixel position.
inline std::vector<std::vector<int>> lumaGrid(int width, int height, const std::function<int(int, int)>& lumaOf) {
    std::vector<std::vector<int>> rows(height, std::vector<int>(width));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) rows[y][x] = lumaOf(x, y);
    return rows;
}

// A frame whose luma is given row by row; chroma bytes hold a pattern of their own.
inline Yuy2Frame frameFromRows(const std::vector<std::vector<int>>& rows) {
    Yuy2Frame frame(static_cast<std::uint32_t>(rows.at(0).size()), static_cast<std::uint32_t>(rows.size()));
    frame.fillLuma([&](std::uint32_t x, std::uint32_t y) { return rows[y][x]; });
    return frame;
}

inline std::vector<std::vector<int>> lumaRows(const Yuy2Frame& frame) {
    std::vector<std::vector<int>> rows(frame.height(), std::vector<int>(frame.width()));
    for (std::uint32_t y = 0; y < frame.height(); ++y)
        for (std::uint32_t x = 0; x < frame.width(); ++x) rows[y][x] = frame.luma(x, y);
    return rows;
}

// A gtest-friendly name for a path parameter ("sse4.1" -> "sse41").
inline std::string isaParamName(const ::testing::TestParamInfo<Isa>& info) {
    std::string name(isaName(info.param));
    std::erase(name, '.');
    return name;
}

}  // namespace quillane::test

namespace quillane {
inline void PrintTo(Isa isa, std::ostream* os) { *os << isaName(isa); }
}  // namespace quillane
