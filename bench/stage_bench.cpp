// Each stage of the pipeline alone, per path. The 1920x32 size is one band
// whose planes stay in L2; the frame sizes show the same work when every
// plane pass streams through L3 or memory.

#include <functional>
#include <string>

#include "bench_frame.h"
#include "detail.h"
#include "plane_transfer.h"
#include "smoothing.h"

namespace {

using namespace quillane;
using quillane::bench::BenchFrame;
using quillane::bench::Size;

using Stage = std::function<void(BenchFrame&, const Kernels&)>;

struct NamedStage {
    const char* name;
    Stage run;
};

const NamedStage kStages[] = {
    {"loadLuma", [](BenchFrame& f, const Kernels& k) { loadLuma(f.view, f.planes.lumaPlane, k); }},
    {"smoothBinomial",
     [](BenchFrame& f, const Kernels& k) {
         smoothBinomial(f.planes.lumaPlane, f.planes.smoothPlane, f.planes.workPlane, k);
     }},
    {"smoothBox",
     [](BenchFrame& f, const Kernels& k) { smoothBox(f.planes.lumaPlane, f.planes.smoothPlane, f.planes.workPlane, k); }},
    {"smoothCross", [](BenchFrame& f, const Kernels& k) { smoothCross(f.planes.lumaPlane, f.planes.smoothPlane, k); }},
    {"computeDetail",
     [](BenchFrame& f, const Kernels& k) {
         computeDetail(f.planes.lumaPlane, f.planes.smoothPlane, f.planes.detailPlane, k);
     }},
    {"refineDetail", [](BenchFrame& f, const Kernels& k) { refineDetail(f.planes.detailPlane, f.planes.workPlane, k); }},
    {"coreDetail", [](BenchFrame& f, const Kernels& k) { coreDetail(f.planes.workPlane, 4, k); }},
    {"scaleDetail", [](BenchFrame& f, const Kernels& k) { scaleDetail(f.planes.workPlane, 11, k); }},
    {"recombineLuma",
     [](BenchFrame& f, const Kernels& k) {
         recombineLuma(f.planes.smoothPlane, f.planes.workPlane, f.planes.detailPlane, k);
     }},
    {"storeLuma",
     [](BenchFrame& f, const Kernels& k) { storeLuma(f.planes.detailPlane, f.view, StoreEncoding::AsIs, k); }},
};

void stageBench(benchmark::State& state, const Stage& stage, Isa isa, Size size) {
    BenchFrame frame(size);
    if (!frame.ready) return state.SkipWithError("cannot create planes");
    const Kernels& kernels = kernelsFor(isa);
    loadLuma(frame.view, frame.planes.lumaPlane, kernels);
    for (auto _ : state) {
        stage(frame, kernels);
        benchmark::ClobberMemory();
    }
    quillane::bench::setRates(state, size);
}

const bool registered = [] {
    for (Isa isa : availableIsas())
        for (const NamedStage& stage : kStages)
            for (Size size : {Size{1920, 32}, Size{720, 480}, Size{1920, 1080}}) {
                const std::string name =
                    std::string("stage/") + stage.name + "/" + std::string(isaName(isa)) + "/" + size.name();
                benchmark::RegisterBenchmark(name.c_str(), stageBench, stage.run, isa, size)
                    ->Unit(benchmark::kMicrosecond);
            }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
