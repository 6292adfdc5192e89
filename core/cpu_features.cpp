#include "cpu_features.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define QUILLANE_HAVE_CPUID 1
#endif

namespace quillane {
namespace {

#if QUILLANE_HAVE_CPUID
// XGETBV without needing the file built for XSAVE.
std::uint64_t readXcr0() {
    std::uint32_t lo = 0, hi = 0;
    __asm__ volatile(".byte 0x0f, 0x01, 0xd0" : "=a"(lo), "=d"(hi) : "c"(0));
    return (std::uint64_t{hi} << 32) | lo;
}
#endif

CpuFeatures detect() {
    CpuFeatures f;
#if QUILLANE_HAVE_CPUID
    CpuIdLeaf1 leaf1;
    if (!readCpuIdLeaf1(leaf1)) return f;
    f.sse41 = meetsFilterRequirement(leaf1);
    const bool osxsave = leaf1.ecx >> 27 & 1u;
    const bool avx = leaf1.ecx >> 28 & 1u;
    if (!f.sse41 || !osxsave || !avx) return f;
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx)) return f;
    const std::uint64_t xcr0 = readXcr0();
    const bool ymmState = (xcr0 & 0x6) == 0x6;
    const bool zmmState = (xcr0 & 0xE6) == 0xE6;
    f.avx2 = ymmState && (ebx >> 5 & 1u);
    f.avx512bw = f.avx2 && zmmState && (ebx >> 16 & 1u) && (ebx >> 30 & 1u);
#endif
    return f;
}

}  // namespace

bool readCpuIdLeaf1(CpuIdLeaf1& leaf) {
#if QUILLANE_HAVE_CPUID
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    leaf.ecx = ecx;
    leaf.edx = edx;
    return true;
#else
    (void)leaf;
    return false;
#endif
}

const CpuFeatures& cpuFeatures() {
    static const CpuFeatures features = detect();
    return features;
}

}  // namespace quillane
