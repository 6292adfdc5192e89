#include "kernel_table.h"
#include "lanes_avx2.h"

namespace quillane {

const Kernels& avx2Kernels() {
    static constexpr Kernels table = makeKernels<Avx2Lanes>(Isa::Avx2);
    return table;
}

}  // namespace quillane
