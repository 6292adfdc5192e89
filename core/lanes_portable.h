#pragma once

// Lane operations written sample by sample from the arithmetic rules: the
// reference every SIMD lane type must match, and the path of non-x86 builds.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quillane {
// Internal linkage: each ISA file gets its own copy, so no inline body built
// with wider instructions can be shared with a narrower path at link time.
namespace {

namespace lane {

inline std::int16_t sat(std::int32_t x) {
    return static_cast<std::int16_t>(x < -32768 ? -32768 : (x > 32767 ? 32767 : x));
}
inline std::int16_t wrap(std::int32_t x) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(x) & 0xFFFFu));
}
// floor(x / 2^k); written without relying on how >> treats negative numbers.
inline std::int16_t asr(std::int16_t x, int k) {
    const std::int32_t d = std::int32_t{1} << k;
    const std::int32_t q = x / d;
    return static_cast<std::int16_t>((x % d != 0 && x < 0) ? q - 1 : q);
}
inline std::int16_t lsr(std::int16_t x, int k) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(x) >> k);
}

}  // namespace lane

template <std::size_t N>
struct PortableLanes {
    static constexpr std::size_t kLanes = N;
    struct Vec {
        std::int16_t s[N];
    };

    template <class Op>
    static Vec each(Op op) {
        Vec r;
        for (std::size_t i = 0; i < N; ++i) r.s[i] = op(i);
        return r;
    }

    static Vec load(const std::int16_t* p) { Vec r; std::memcpy(r.s, p, sizeof r.s); return r; }
    static Vec loadu(const std::int16_t* p) { return load(p); }
    static void store(std::int16_t* p, Vec v) { std::memcpy(p, v.s, sizeof v.s); }
    static Vec set1(std::int16_t k) { return each([&](std::size_t) { return k; }); }

    static Vec adds(Vec a, Vec b) { return each([&](std::size_t i) { return lane::sat(a.s[i] + b.s[i]); }); }
    static Vec subs(Vec a, Vec b) { return each([&](std::size_t i) { return lane::sat(a.s[i] - b.s[i]); }); }
    static Vec add(Vec a, Vec b) { return each([&](std::size_t i) { return lane::wrap(a.s[i] + b.s[i]); }); }
    static Vec sub(Vec a, Vec b) { return each([&](std::size_t i) { return lane::wrap(a.s[i] - b.s[i]); }); }
    static Vec mullo(Vec a, Vec b) { return each([&](std::size_t i) { return lane::wrap(a.s[i] * b.s[i]); }); }
    static Vec srai(Vec a, int k) { return each([&](std::size_t i) { return lane::asr(a.s[i], k); }); }
    static Vec srli(Vec a, int k) { return each([&](std::size_t i) { return lane::lsr(a.s[i], k); }); }
    static Vec max(Vec a, Vec b) { return each([&](std::size_t i) { return a.s[i] > b.s[i] ? a.s[i] : b.s[i]; }); }
    static Vec min(Vec a, Vec b) { return each([&](std::size_t i) { return a.s[i] < b.s[i] ? a.s[i] : b.s[i]; }); }
    // |x|, with -32768 staying -32768 as the hardware does.
    static Vec abs(Vec a) {
        return each([&](std::size_t i) { return lane::wrap(a.s[i] < 0 ? -a.s[i] : a.s[i]); });
    }
    // The sign of x applied to the constant k: k, 0 or -k.
    static Vec signOf(Vec x, std::int16_t k) {
        return each([&](std::size_t i) {
            return x.s[i] > 0 ? k : (x.s[i] == 0 ? std::int16_t{0} : lane::wrap(-k));
        });
    }
    // Keeps a where a > b (signed), else 0.
    static Vec keepAbove(Vec a, Vec b, Vec value) {
        return each([&](std::size_t i) { return a.s[i] > b.s[i] ? value.s[i] : std::int16_t{0}; });
    }
    // Unsigned byte saturation, widened back to 16 bits.
    static Vec clampByte(Vec a) {
        return each([&](std::size_t i) {
            return static_cast<std::int16_t>(a.s[i] < 0 ? 0 : (a.s[i] > 255 ? 255 : a.s[i]));
        });
    }

    // Frame transfer: 2N bytes of a YUY2 row hold N Y bytes at even offsets.
    static Vec loadLumaBytes(const std::uint8_t* src) {
        return each([&](std::size_t i) { return static_cast<std::int16_t>(src[2 * i]); });
    }
    // Planar luma: one byte per sample.
    static Vec loadPlanarLuma(const std::uint8_t* src) {
        return each([&](std::size_t i) { return static_cast<std::int16_t>(src[i]); });
    }
    static void storePlanarLuma(std::uint8_t* dst, Vec v) {
        for (std::size_t i = 0; i < N; ++i) dst[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v.s[i]) & 0xFF);
    }
    static void storeLumaBytes(std::uint8_t* dst, Vec v) {
        for (std::size_t i = 0; i < N; ++i) dst[2 * i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v.s[i]) & 0xFF);
    }
};

using ScalarLanes = PortableLanes<8>;
using SingleLane = PortableLanes<1>;

}  // namespace
}  // namespace quillane
