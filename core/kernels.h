#pragma once

// One table of row and span functions per instruction set, chosen at run time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "store_encoding.h"

namespace quillane {

enum class Isa { Scalar, Sse41, Avx2, Avx512 };

struct Kernels {
    using LoadRow = void (*)(const std::uint8_t* src, std::int16_t* dst, std::size_t samples);
    using StoreRow = void (*)(const std::int16_t* src, std::uint8_t* dst, std::size_t samples, StoreEncoding);
    using HorizontalRow = void (*)(const std::int16_t* src, std::int16_t* dst, std::size_t samples);
    using NeighbourRow = void (*)(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                                  std::int16_t* dst, std::size_t samples);
    using PairRow = void (*)(const std::int16_t* a, const std::int16_t* b, std::int16_t* dst, std::size_t samples);
    using Span = void (*)(std::int16_t* data, std::size_t samples);
    using SpanWith = void (*)(std::int16_t* data, std::size_t samples, std::int16_t value);
    using SmoothDetail = void (*)(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                                  const std::int16_t* luma, std::int16_t* smooth, std::int16_t* detail,
                                  std::size_t samples);
    using RefineToFrame = void (*)(const std::int16_t* up, const std::int16_t* centre, const std::int16_t* down,
                                   const std::int16_t* smooth, std::uint8_t* dst, std::size_t samples,
                                   std::int16_t threshold, std::int16_t strength);

    // The row functions that touch a frame, for one way of keeping luma in it.
    struct FrameRows {
        LoadRow load;
        StoreRow store;
        // crossRefine, core, scale, recombine and store (AsIs) of one row in one pass.
        RefineToFrame refineToFrame;
    };

    Isa isa;
    FrameRows packed;  // YUY2: the Y bytes at even offsets
    FrameRows planar;  // 8-bit luma planes: one byte per sample
    HorizontalRow binomialHorizontal;
    HorizontalRow boxHorizontal;
    NeighbourRow binomialVertical;
    NeighbourRow boxVertical;
    NeighbourRow crossSmooth;  // trimmed cross, shift 7
    NeighbourRow crossRefine;  // trimmed cross, shift 5
    PairRow difference;
    PairRow recombine;
    Span sixteenths;
    Span ninths;
    SpanWith core;
    SpanWith scale;
    // The last smoothing pass with its normalisation, and difference, in one pass.
    SmoothDetail binomialSmoothDetail;  // from the horizontal pass
    SmoothDetail boxSmoothDetail;       // from the horizontal pass
    SmoothDetail crossSmoothDetail;     // from the luma
};

std::string_view isaName(Isa isa);
std::optional<Isa> parseIsa(std::string_view name);  // "scalar", "sse4.1", "avx2", "avx512"

// Whether this build carries the path and this processor can run it.
bool isaAvailable(Isa isa);
// Every available path, scalar first.
std::vector<Isa> availableIsas();
Isa bestIsa();

// The table of an available path (falls back to scalar otherwise).
const Kernels& kernelsFor(Isa isa);

// The table the public stage functions use by default: the best path unless
// selectIsa chose another. Select before frames are in flight.
const Kernels& activeKernels();
bool selectIsa(Isa isa);

// The tables each build provides.
const Kernels& scalarKernels();
#if defined(QUILLANE_X86)
const Kernels& sse41Kernels();
const Kernels& avx2Kernels();
const Kernels& avx512Kernels();
#endif

}  // namespace quillane
