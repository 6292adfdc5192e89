#pragma once

// Sixteen lanes in one AVX2 register. Include only from a file built with AVX2 enabled.

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "lanes_sse41.h"

namespace quillane {
// Internal linkage: see lanes_sse41.h.
namespace {

struct Avx2Lanes {
    static constexpr std::size_t kLanes = 16;
    using Vec = __m256i;
    using Narrow = Sse41Lanes;  // a row's odd block

    // Plane rows are only 16-byte aligned.
    static Vec load(const std::int16_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static Vec loadu(const std::int16_t* p) { return load(p); }
    static void store(std::int16_t* p, Vec v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static Vec set1(std::int16_t k) { return _mm256_set1_epi16(k); }

    static Vec adds(Vec a, Vec b) { return _mm256_adds_epi16(a, b); }
    static Vec subs(Vec a, Vec b) { return _mm256_subs_epi16(a, b); }
    static Vec add(Vec a, Vec b) { return _mm256_add_epi16(a, b); }
    static Vec sub(Vec a, Vec b) { return _mm256_sub_epi16(a, b); }
    // One multiply beats the shift-and-add chain the compiler makes of a constant factor.
    static Vec mullo(Vec a, Vec b) {
        __asm__("" : "+x"(b));
        return _mm256_mullo_epi16(a, b);
    }
    static Vec srai(Vec a, int k) { return _mm256_srai_epi16(a, k); }
    static Vec srli(Vec a, int k) { return _mm256_srli_epi16(a, k); }
    static Vec max(Vec a, Vec b) { return _mm256_max_epi16(a, b); }
    static Vec min(Vec a, Vec b) { return _mm256_min_epi16(a, b); }
    static Vec abs(Vec a) { return _mm256_abs_epi16(a); }
    static Vec signOf(Vec x, std::int16_t k) { return _mm256_sign_epi16(_mm256_set1_epi16(k), x); }
    static Vec keepAbove(Vec a, Vec b, Vec value) { return _mm256_and_si256(_mm256_cmpgt_epi16(a, b), value); }
    static Vec clampByte(Vec a) {
        return _mm256_min_epi16(_mm256_max_epi16(a, _mm256_setzero_si256()), _mm256_set1_epi16(255));
    }

    static Vec loadLumaBytes(const std::uint8_t* src) {
        return _mm256_and_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src)), _mm256_set1_epi16(0x00FF));
    }
    static void storeLumaBytes(std::uint8_t* dst, Vec v) {
        auto* p = reinterpret_cast<__m256i*>(dst);
        _mm256_storeu_si256(p, _mm256_blendv_epi8(_mm256_loadu_si256(p), v, _mm256_set1_epi16(0x0080)));
    }
    static Vec loadPlanarLuma(const std::uint8_t* src) {
        return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)));
    }
    static void storePlanarLuma(std::uint8_t* dst, Vec v) {
        const __m256i low = _mm256_and_si256(v, _mm256_set1_epi16(0x00FF));
        // The pack works per 128-bit half; gather the two low quadwords.
        const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(low, low), 0x08);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(packed));
    }
};

}  // namespace
}  // namespace quillane
