#pragma once

// Eight lanes in one SSE register. Include only from a file built with SSE4.1 enabled.

#include <smmintrin.h>

#include <cstddef>
#include <cstdint>

namespace quillane {
// Internal linkage: each ISA file gets its own copy, so no inline body built
// with wider instructions can be shared with a narrower path at link time.
namespace {

struct Sse41Lanes {
    static constexpr std::size_t kLanes = 8;
    using Vec = __m128i;

    static Vec load(const std::int16_t* p) { return _mm_load_si128(reinterpret_cast<const __m128i*>(p)); }
    static Vec loadu(const std::int16_t* p) { return _mm_lddqu_si128(reinterpret_cast<const __m128i*>(p)); }
    static void store(std::int16_t* p, Vec v) { _mm_store_si128(reinterpret_cast<__m128i*>(p), v); }
    static Vec set1(std::int16_t k) { return _mm_set1_epi16(k); }

    static Vec adds(Vec a, Vec b) { return _mm_adds_epi16(a, b); }
    static Vec subs(Vec a, Vec b) { return _mm_subs_epi16(a, b); }
    static Vec add(Vec a, Vec b) { return _mm_add_epi16(a, b); }
    static Vec sub(Vec a, Vec b) { return _mm_sub_epi16(a, b); }
    // One multiply beats the shift-and-add chain the compiler makes of a constant factor.
    static Vec mullo(Vec a, Vec b) {
        __asm__("" : "+x"(b));
        return _mm_mullo_epi16(a, b);
    }
    static Vec srai(Vec a, int k) { return _mm_srai_epi16(a, k); }
    static Vec srli(Vec a, int k) { return _mm_srli_epi16(a, k); }
    static Vec max(Vec a, Vec b) { return _mm_max_epi16(a, b); }
    static Vec min(Vec a, Vec b) { return _mm_min_epi16(a, b); }
    static Vec abs(Vec a) { return _mm_abs_epi16(a); }
    static Vec signOf(Vec x, std::int16_t k) { return _mm_sign_epi16(_mm_set1_epi16(k), x); }
    static Vec keepAbove(Vec a, Vec b, Vec value) { return _mm_and_si128(_mm_cmpgt_epi16(a, b), value); }
    static Vec clampByte(Vec a) {
        return _mm_unpacklo_epi8(_mm_packus_epi16(a, a), _mm_setzero_si128());
    }

    static Vec loadLumaBytes(const std::uint8_t* src) {
        return _mm_and_si128(_mm_lddqu_si128(reinterpret_cast<const __m128i*>(src)), _mm_set1_epi16(0x00FF));
    }
    static void storeLumaBytes(std::uint8_t* dst, Vec v) {
        auto* p = reinterpret_cast<__m128i*>(dst);
        _mm_storeu_si128(p, _mm_blendv_epi8(_mm_loadu_si128(p), v, _mm_set1_epi16(0x0080)));
    }
    static Vec loadPlanarLuma(const std::uint8_t* src) {
        return _mm_cvtepu8_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(src)));
    }
    static void storePlanarLuma(std::uint8_t* dst, Vec v) {
        const __m128i low = _mm_and_si128(v, _mm_set1_epi16(0x00FF));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(low, low));
    }
};

}  // namespace
}  // namespace quillane
