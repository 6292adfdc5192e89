#pragma once

// Row and span functions of every stage, written once over a lane type. Each
// ISA file instantiates them with its own lane types (which have internal
// linkage, so every instantiation stays private to the file that built it).
// Sample counts are multiples of 8; a wide lane type hands the remainder of a
// row to its narrower sibling `Narrow`.

#include <cstddef>
#include <cstdint>

#include "lane_functions.h"
#include "store_encoding.h"

namespace quillane {
namespace {

template <class L>
concept HasNarrow = requires { typename L::Narrow; };

template <class L, class Fn>
void forEachSpan(std::size_t begin, std::size_t end, Fn& fn) {
    std::size_t i = begin;
    for (; i + L::kLanes <= end; i += L::kLanes) fn.template operator()<L>(i);
    if constexpr (HasNarrow<L>) {
        if (i < end) forEachSpan<typename L::Narrow>(i, end, fn);
    }
}

// Where a frame row keeps its luma: packed YUY2 in every other byte (the
// odd, chroma bytes kept as they are), planar luma in every byte.
struct PackedLuma {
    template <class V>
    static typename V::Vec load(const std::uint8_t* row, std::size_t i) { return V::loadLumaBytes(row + 2 * i); }
    template <class V>
    static void store(std::uint8_t* row, std::size_t i, typename V::Vec v) { V::storeLumaBytes(row + 2 * i, v); }
};

struct PlanarLuma {
    template <class V>
    static typename V::Vec load(const std::uint8_t* row, std::size_t i) { return V::loadPlanarLuma(row + i); }
    template <class V>
    static void store(std::uint8_t* row, std::size_t i, typename V::Vec v) { V::storePlanarLuma(row + i, v); }
};

template <class L, class Layout>
void loadRow(const std::uint8_t* src, std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(dst + i, Layout::template load<V>(src, i)); };
    forEachSpan<L>(0, samples, fn);
}

template <class L, class Layout>
void storeRow(const std::int16_t* src, std::uint8_t* dst, std::size_t samples, StoreEncoding encoding) {
    auto run = [&](auto encode) {
        auto fn = [&]<class V>(std::size_t i) {
            Layout::template store<V>(dst, i, encode.template operator()<V>(V::load(src + i)));
        };
        forEachSpan<L>(0, samples, fn);
    };
    switch (encoding) {
        case StoreEncoding::AsIs:
            run([]<class V>(typename V::Vec s) { return s; });
            break;
        case StoreEncoding::Plus128:
            run([]<class V>(typename V::Vec s) { return V::add(s, V::set1(128)); });
            break;
        case StoreEncoding::QuarterPlus128:
            run([]<class V>(typename V::Vec s) { return V::add(V::srai(s, 2), V::set1(128)); });
            break;
    }
}

// (1, 2, 1) along the row, wrapping.
template <class L>
void binomialHorizontalRow(const std::int16_t* src, std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) {
        const auto c = V::load(src + i);
        V::store(dst + i, V::add(V::add(V::loadu(src + i - 1), V::loadu(src + i + 1)), V::add(c, c)));
    };
    forEachSpan<L>(0, samples, fn);
}

// (1, 1, 1) along the row, wrapping.
template <class L>
void boxHorizontalRow(const std::int16_t* src, std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) {
        V::store(dst + i, V::add(V::add(V::loadu(src + i - 1), V::load(src + i)), V::loadu(src + i + 1)));
    };
    forEachSpan<L>(0, samples, fn);
}

template <class V>
typename V::Vec binomialVerticalAt(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                                   std::size_t i) {
    const auto c = V::load(centre + i);
    return V::add(V::add(V::load(up + i), V::load(down + i)), V::add(c, c));
}

template <class V>
typename V::Vec boxVerticalAt(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                              std::size_t i) {
    return V::add(V::add(V::load(up + i), V::load(centre + i)), V::load(down + i));
}

template <class L>
void binomialVerticalRow(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                         std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(dst + i, binomialVerticalAt<V>(up, centre, down, i)); };
    forEachSpan<L>(0, samples, fn);
}

template <class L>
void boxVerticalRow(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                    std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(dst + i, boxVerticalAt<V>(up, centre, down, i)); };
    forEachSpan<L>(0, samples, fn);
}

// thirdsScale(crossTrimmedSum(centre, left, right, up, down), Shift) at sample i.
template <class V, int Shift>
typename V::Vec crossAt(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down, std::size_t i) {
    const auto t = crossTrimmedSum<V>(V::load(centre + i), V::loadu(centre + i - 1), V::loadu(centre + i + 1),
                                      V::load(up + i), V::load(down + i));
    return thirdsScale<V>(t, Shift);
}

// Keeps samples whose magnitude exceeds the threshold, clears the rest.
template <class V>
typename V::Vec cored(typename V::Vec r, std::int16_t threshold) {
    return V::keepAbove(V::abs(r), V::set1(threshold), r);
}

// (r * strength, low 16 bits) >> 5, arithmetic.
template <class V>
typename V::Vec scaled(typename V::Vec r, std::int16_t strength) {
    return V::srai(V::mullo(r, V::set1(strength)), 5);
}

// clamp(sat(smooth + correction), 0, 255).
template <class V>
typename V::Vec recombined(typename V::Vec smooth, typename V::Vec correction) {
    return V::clampByte(V::adds(smooth, correction));
}

template <class L, int Shift>
void crossRow(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
              std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(dst + i, crossAt<V, Shift>(up, centre, down, i)); };
    forEachSpan<L>(0, samples, fn);
}

// The detail path from the detail rows to the frame's Y bytes in one pass,
// without the refined row ever leaving registers.
template <class L, class Layout>
void refineToFrameRow(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                      const std::int16_t* smooth, std::uint8_t* dst, std::size_t samples, std::int16_t threshold,
                      std::int16_t strength) {
    auto fn = [&]<class V>(std::size_t i) {
        const auto r = scaled<V>(cored<V>(crossAt<V, 5>(up, centre, down, i), threshold), strength);
        Layout::template store<V>(dst, i, recombined<V>(V::load(smooth + i), r));
    };
    forEachSpan<L>(0, samples, fn);
}

// a - b, wrapping.
template <class L>
void differenceRow(const std::int16_t* a, const std::int16_t* b, std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(dst + i, V::sub(V::load(a + i), V::load(b + i))); };
    forEachSpan<L>(0, samples, fn);
}

template <class L>
void recombineRow(const std::int16_t* smooth, const std::int16_t* correction, std::int16_t* dst, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) {
        V::store(dst + i, recombined<V>(V::load(smooth + i), V::load(correction + i)));
    };
    forEachSpan<L>(0, samples, fn);
}

// Logical shift right by 4: the binomial normalisation.
template <class L>
void sixteenthsSpan(std::int16_t* data, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(data + i, V::srli(V::load(data + i), 4)); };
    forEachSpan<L>(0, samples, fn);
}

template <class L>
void ninthsSpan(std::int16_t* data, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) { V::store(data + i, ninthsScale<V>(V::load(data + i))); };
    forEachSpan<L>(0, samples, fn);
}

// The last smoothing pass, its normalisation and the difference from the luma
// in one pass: the smoothed row (from the three source rows) and luma - smoothed.
// Kind 0 binomial, 1 box (sources: horizontal pass), 2 cross (sources: luma).
template <class L, int Kind>
void smoothDetailRow(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                     const std::int16_t* luma, std::int16_t* smooth, std::int16_t* detail, std::size_t samples) {
    auto fn = [&]<class V>(std::size_t i) {
        typename V::Vec s;
        if constexpr (Kind == 0)
            s = V::srli(binomialVerticalAt<V>(up, centre, down, i), 4);
        else if constexpr (Kind == 1)
            s = ninthsScale<V>(boxVerticalAt<V>(up, centre, down, i));
        else
            s = crossAt<V, 7>(up, centre, down, i);
        V::store(smooth + i, s);
        V::store(detail + i, V::sub(V::load(luma + i), s));
    };
    forEachSpan<L>(0, samples, fn);
}

template <class L>
void coreSpan(std::int16_t* data, std::size_t samples, std::int16_t threshold) {
    auto fn = [&]<class V>(std::size_t i) { V::store(data + i, cored<V>(V::load(data + i), threshold)); };
    forEachSpan<L>(0, samples, fn);
}

template <class L>
void scaleSpan(std::int16_t* data, std::size_t samples, std::int16_t strength) {
    auto fn = [&]<class V>(std::size_t i) { V::store(data + i, scaled<V>(V::load(data + i), strength)); };
    forEachSpan<L>(0, samples, fn);
}

}  // namespace
}  // namespace quillane
