#include "kernels.h"

#include <atomic>

#include "cpu_features.h"

namespace quillane {
namespace {

std::atomic<const Kernels*>& activeSlot() {
    static std::atomic<const Kernels*> slot{&kernelsFor(bestIsa())};
    return slot;
}

}  // namespace

std::string_view isaName(Isa isa) {
    switch (isa) {
        case Isa::Scalar: return "scalar";
        case Isa::Sse41: return "sse4.1";
        case Isa::Avx2: return "avx2";
        case Isa::Avx512: return "avx512";
    }
    return "unknown";
}

std::optional<Isa> parseIsa(std::string_view name) {
    for (Isa isa : {Isa::Scalar, Isa::Sse41, Isa::Avx2, Isa::Avx512})
        if (name == isaName(isa)) return isa;
    return std::nullopt;
}

bool isaAvailable(Isa isa) {
    switch (isa) {
        case Isa::Scalar: return true;
#if defined(QUILLANE_X86)
        case Isa::Sse41: return cpuFeatures().sse41;
        case Isa::Avx2: return cpuFeatures().avx2;
        case Isa::Avx512: return cpuFeatures().avx512bw;
#endif
        default: return false;
    }
}

std::vector<Isa> availableIsas() {
    std::vector<Isa> isas;
    for (Isa isa : {Isa::Scalar, Isa::Sse41, Isa::Avx2, Isa::Avx512})
        if (isaAvailable(isa)) isas.push_back(isa);
    return isas;
}

Isa bestIsa() { return availableIsas().back(); }

const Kernels& kernelsFor(Isa isa) {
    if (!isaAvailable(isa)) return scalarKernels();
    switch (isa) {
#if defined(QUILLANE_X86)
        case Isa::Sse41: return sse41Kernels();
        case Isa::Avx2: return avx2Kernels();
        case Isa::Avx512: return avx512Kernels();
#endif
        default: return scalarKernels();
    }
}

const Kernels& activeKernels() { return *activeSlot().load(std::memory_order_acquire); }

bool selectIsa(Isa isa) {
    if (!isaAvailable(isa)) return false;
    activeSlot().store(&kernelsFor(isa), std::memory_order_release);
    return true;
}

}  // namespace quillane
