// processFrame per path, type and frame size, in frames per second, next to
// processFrameByStage (the same work in whole-plane passes).

#include <string>

#include "bench_frame.h"
#include "pipeline.h"

namespace {

using namespace quillane;
using quillane::bench::BenchFrame;
using quillane::bench::Size;

using Pass = void (*)(const FrameView&, const FilterSettings&, const PlaneSet&, const Kernels&);

void processFrameBench(benchmark::State& state, Pass pass, Isa isa, int type, Size size) {
    BenchFrame frame(size);
    if (!frame.ready) return state.SkipWithError("cannot create planes");
    FilterSettings settings;
    settings.type = type;
    const Kernels& kernels = kernelsFor(isa);
    for (auto _ : state) {
        pass(frame.view, settings, frame.planes, kernels);
        benchmark::ClobberMemory();
    }
    quillane::bench::setRates(state, size);
}

const bool registered = [] {
    struct NamedPass {
        const char* name;
        Pass pass;
    };
    for (NamedPass p : {NamedPass{"processFrame", processFrame}, NamedPass{"processFrameByStage", processFrameByStage}})
        for (Isa isa : availableIsas())
            for (int type = 0; type <= 2; ++type)
                for (Size size : {Size{720, 480}, Size{1920, 1080}}) {
                    const std::string name = std::string(p.name) + "/" + std::string(isaName(isa)) + "/type" +
                                             std::to_string(type) + "/" + size.name();
                    benchmark::RegisterBenchmark(name.c_str(), processFrameBench, p.pass, isa, type, size)
                        ->Unit(benchmark::kMicrosecond);
                }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
