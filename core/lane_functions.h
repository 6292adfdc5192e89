#pragma once

// The lane functions shared by the smoothing kernels and the detail path,
// written once over any lane type (see lanes_portable.h for the contract).

#include <cstdint>

namespace quillane {

// Sum of the five minus their largest and their smallest, with the exact
// saturating order of the filter.
template <class L>
typename L::Vec crossTrimmedSum(typename L::Vec c, typename L::Vec l, typename L::Vec r,
                                typename L::Vec u, typename L::Vec d) {
    auto s = L::adds(c, l);
    s = L::adds(s, r);
    s = L::adds(s, u);
    s = L::adds(s, d);
    const auto mx = L::max(L::max(L::max(c, l), L::max(r, u)), d);
    const auto mn = L::min(L::min(L::min(c, l), L::min(r, u)), d);
    return L::subs(L::subs(s, mx), mn);
}

// t * 42.625 / 2^shift with a sign-dependent bias: about t/3 (shift 7) or 4t/3 (shift 5).
template <class L>
typename L::Vec thirdsScale(typename L::Vec t, int shift) {
    auto v = L::adds(t, L::signOf(t, 2));
    v = L::mullo(v, L::set1(42));
    v = L::adds(v, L::srai(t, 1));
    v = L::adds(v, L::srai(t, 3));
    return L::srai(v, shift);
}

// f * 7.109375 / 64 with a sign-dependent bias: the nearest integer to f/9 on luma sums.
template <class L>
typename L::Vec ninthsScale(typename L::Vec f) {
    auto v = L::adds(f, L::signOf(f, 5));
    v = L::mullo(v, L::set1(7));
    v = L::adds(v, L::srai(f, 4));
    v = L::adds(v, L::srai(f, 5));
    v = L::adds(v, L::srai(f, 6));
    return L::srai(v, 6);
}

// Single-sample forms, for callers outside the block loops.
std::int16_t crossTrimmedSum(std::int16_t c, std::int16_t l, std::int16_t r, std::int16_t u, std::int16_t d);
std::int16_t thirdsScale(std::int16_t t, int shift);
std::int16_t ninthsScale(std::int16_t f);

}  // namespace quillane
