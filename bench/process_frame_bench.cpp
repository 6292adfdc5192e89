// processFrame per path, type and frame size, in frames per second.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "pipeline.h"

namespace {

using namespace quillane;

void processFrameBench(benchmark::State& state, Isa isa, int type, std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> frame(std::size_t{width} * height * 2);
    std::mt19937 rng(7);
    for (auto& b : frame) b = static_cast<std::uint8_t>(rng());
    PlaneSet planes;
    if (!planes.create(width, height)) {
        state.SkipWithError("cannot create planes");
        return;
    }
    FilterSettings settings;
    settings.type = type;
    const FrameView view{frame.data(), static_cast<std::int32_t>(width * 2), width, height};
    const Kernels& kernels = kernelsFor(isa);
    for (auto _ : state) {
        processFrame(view, settings, planes, kernels);
        benchmark::ClobberMemory();
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pixels/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * width * height,
                                                    benchmark::Counter::kIsRate);
}

const bool registered = [] {
    struct Size { std::uint32_t w, h; };
    for (Isa isa : availableIsas())
        for (int type = 0; type <= 2; ++type)
            for (Size s : {Size{720, 480}, Size{1920, 1080}}) {
                const std::string name = "processFrame/" + std::string(isaName(isa)) + "/type" + std::to_string(type) +
                                         "/" + std::to_string(s.w) + "x" + std::to_string(s.h);
                benchmark::RegisterBenchmark(name.c_str(), processFrameBench, isa, type, s.w, s.h)
                    ->Unit(benchmark::kMicrosecond);
            }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
