#include "lane_functions.h"

#include "lanes_portable.h"

namespace quillane {

std::int16_t crossTrimmedSum(std::int16_t c, std::int16_t l, std::int16_t r, std::int16_t u, std::int16_t d) {
    using L = SingleLane;
    return crossTrimmedSum<L>(L::set1(c), L::set1(l), L::set1(r), L::set1(u), L::set1(d)).s[0];
}

std::int16_t thirdsScale(std::int16_t t, int shift) {
    using L = SingleLane;
    return thirdsScale<L>(L::set1(t), shift).s[0];
}

std::int16_t ninthsScale(std::int16_t f) {
    using L = SingleLane;
    return ninthsScale<L>(L::set1(f)).s[0];
}

}  // namespace quillane
