#include "kernel_table.h"
#include "lanes_avx512.h"

namespace quillane {

const Kernels& avx512Kernels() {
    static constexpr Kernels table = makeKernels<Avx512Lanes>(Isa::Avx512);
    return table;
}

}  // namespace quillane
