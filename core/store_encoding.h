#pragma once

namespace quillane {

// How a plane sample becomes a Y byte: computed in 16 bits with wrap-around,
// only the low byte is written, nothing is clamped.
enum class StoreEncoding {
    AsIs,            // s
    Plus128,         // s + 128
    QuarterPlus128,  // (s >> 2) + 128, arithmetic shift
};

}  // namespace quillane
