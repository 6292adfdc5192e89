#pragma once

#include <cstdint>

namespace quillane {

// The two registers of CPUID leaf 1 that the processor test reads.
struct CpuIdLeaf1 {
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
};

// False on processors (or builds) without CPUID.
bool readCpuIdLeaf1(CpuIdLeaf1& leaf);

// The filter's requirement: SSE2 (EDX bit 26), SSE3 (ECX bit 0), SSE4.1 (ECX bit 19).
constexpr bool meetsFilterRequirement(const CpuIdLeaf1& leaf) {
    return (leaf.edx >> 26 & 1u) && (leaf.ecx & 1u) && (leaf.ecx >> 19 & 1u);
}

struct CpuFeatures {
    bool sse41 = false;  // the filter's requirement, as above
    bool avx2 = false;   // with the OS saving YMM state
    bool avx512bw = false;  // AVX-512 F and BW with the OS saving ZMM state
};

const CpuFeatures& cpuFeatures();

}  // namespace quillane
