#pragma once

// Thirty-two lanes in one AVX-512 register. Include only from a file built
// with AVX-512 F and BW enabled.

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "lanes_avx2.h"

namespace quillane {
// Internal linkage: see lanes_sse41.h.
namespace {

struct Avx512Lanes {
    static constexpr std::size_t kLanes = 32;
    using Vec = __m512i;
    using Narrow = Avx2Lanes;  // the last one to three blocks of a row

    static Vec load(const std::int16_t* p) { return _mm512_loadu_si512(p); }
    static Vec loadu(const std::int16_t* p) { return load(p); }
    static void store(std::int16_t* p, Vec v) { _mm512_storeu_si512(p, v); }
    static Vec set1(std::int16_t k) { return _mm512_set1_epi16(k); }

    static Vec adds(Vec a, Vec b) { return _mm512_adds_epi16(a, b); }
    static Vec subs(Vec a, Vec b) { return _mm512_subs_epi16(a, b); }
    static Vec add(Vec a, Vec b) { return _mm512_add_epi16(a, b); }
    static Vec sub(Vec a, Vec b) { return _mm512_sub_epi16(a, b); }
    // One multiply beats the shift-and-add chain the compiler makes of a constant factor.
    static Vec mullo(Vec a, Vec b) {
        __asm__("" : "+x"(b));
        return _mm512_mullo_epi16(a, b);
    }
    static Vec srai(Vec a, int k) { return _mm512_srai_epi16(a, static_cast<unsigned>(k)); }
    static Vec srli(Vec a, int k) { return _mm512_srli_epi16(a, static_cast<unsigned>(k)); }
    static Vec max(Vec a, Vec b) { return _mm512_max_epi16(a, b); }
    static Vec min(Vec a, Vec b) { return _mm512_min_epi16(a, b); }
    static Vec abs(Vec a) { return _mm512_abs_epi16(a); }
    // No sign instruction at this width: pick k or -k by comparison.
    static Vec signOf(Vec x, std::int16_t k) {
        const Vec zero = _mm512_setzero_si512();
        const Vec positive = _mm512_maskz_mov_epi16(_mm512_cmpgt_epi16_mask(x, zero), _mm512_set1_epi16(k));
        return _mm512_mask_mov_epi16(positive, _mm512_cmplt_epi16_mask(x, zero),
                                     _mm512_set1_epi16(static_cast<std::int16_t>(-k)));
    }
    static Vec keepAbove(Vec a, Vec b, Vec value) { return _mm512_maskz_mov_epi16(_mm512_cmpgt_epi16_mask(a, b), value); }
    static Vec clampByte(Vec a) {
        return _mm512_min_epi16(_mm512_max_epi16(a, _mm512_setzero_si512()), _mm512_set1_epi16(255));
    }

    static Vec loadLumaBytes(const std::uint8_t* src) {
        return _mm512_and_si512(_mm512_loadu_si512(src), _mm512_set1_epi16(0x00FF));
    }
    // Writes the even (Y) bytes only; chroma is never touched.
    static void storeLumaBytes(std::uint8_t* dst, Vec v) {
        _mm512_mask_storeu_epi8(dst, static_cast<__mmask64>(0x5555555555555555ULL), v);
    }
    static Vec loadPlanarLuma(const std::uint8_t* src) {
        return _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src)));
    }
    // Truncating narrow: the low byte of each lane.
    static void storePlanarLuma(std::uint8_t* dst, Vec v) {
        _mm512_mask_cvtepi16_storeu_epi8(dst, static_cast<__mmask32>(0xFFFFFFFFu), v);
    }
};

}  // namespace
}  // namespace quillane
