// Which path runs: chosen from the processor's features, never one it lacks.

#include <gtest/gtest.h>

#include "cpu_features.h"
#include "kernels.h"

namespace quillane {
namespace {

TEST(IsaDispatch, BestPathIsTheWidestTheProcessorAndSystemSupport) {
    const CpuFeatures& cpu = cpuFeatures();
#if defined(QUILLANE_X86)
    const Isa expected = cpu.avx512bw ? Isa::Avx512 : cpu.avx2 ? Isa::Avx2 : cpu.sse41 ? Isa::Sse41 : Isa::Scalar;
#else
    const Isa expected = Isa::Scalar;
#endif
    std::cout << "[ info     ] sse4.1 " << cpu.sse41 << ", avx2 " << cpu.avx2 << ", avx512bw " << cpu.avx512bw
              << ": best path " << isaName(bestIsa()) << "\n";
    EXPECT_EQ(bestIsa(), expected);
    EXPECT_TRUE(cpu.sse41 || !cpu.avx2) << "AVX2 is only used on top of the SSE4.1 requirement";
    EXPECT_TRUE(cpu.avx2 || !cpu.avx512bw);
}

TEST(IsaDispatch, EachPathHasItsOwnTableOrFallsBackToScalar) {
    for (Isa isa : {Isa::Scalar, Isa::Sse41, Isa::Avx2, Isa::Avx512}) {
        SCOPED_TRACE(std::string(isaName(isa)));
        EXPECT_EQ(parseIsa(isaName(isa)), isa);
        const Kernels& kernels = kernelsFor(isa);
        EXPECT_EQ(kernels.isa, isaAvailable(isa) ? isa : Isa::Scalar);
        if (isa != Isa::Scalar && isaAvailable(isa)) {
            EXPECT_NE(&kernels, &scalarKernels());
        }
    }
}

TEST(IsaDispatch, SelectionRefusesAMissingPathAndKeepsTheActiveOne) {
    const Isa before = activeKernels().isa;
    for (Isa isa : {Isa::Scalar, Isa::Sse41, Isa::Avx2, Isa::Avx512}) {
        SCOPED_TRACE(std::string(isaName(isa)));
        const Isa active = activeKernels().isa;
        EXPECT_EQ(selectIsa(isa), isaAvailable(isa));
        EXPECT_EQ(activeKernels().isa, isaAvailable(isa) ? isa : active);
    }
    ASSERT_TRUE(selectIsa(before));
}

}  // namespace
}  // namespace quillane
