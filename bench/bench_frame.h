#pragma once

// What the benchmarks share: a noisy frame with its planes, and the rate counters.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "frame_view.h"
#include "luma_plane.h"

namespace quillane::bench {

struct Size {
    std::uint32_t width, height;
    std::string name() const { return std::to_string(width) + "x" + std::to_string(height); }
};

struct BenchFrame {
    std::vector<std::uint8_t> bytes;
    PlaneSet planes;
    FrameView view;
    bool ready = false;

    explicit BenchFrame(Size size) : bytes(std::size_t{size.width} * size.height * 2) {
        std::mt19937 rng(7);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
        view = FrameView{bytes.data(), static_cast<std::int32_t>(size.width * 2), size.width, size.height};
        ready = planes.create(size.width, size.height);
    }
};

inline void setRates(benchmark::State& state, Size size) {
    const auto frames = static_cast<double>(state.iterations());
    state.counters["frames/s"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["pixels/s"] = benchmark::Counter(frames * size.width * size.height, benchmark::Counter::kIsRate);
}

}  // namespace quillane::bench
