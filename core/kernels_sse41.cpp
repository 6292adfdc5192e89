#include "kernel_table.h"
#include "lanes_sse41.h"

namespace quillane {

const Kernels& sse41Kernels() {
    static constexpr Kernels table = makeKernels<Sse41Lanes>(Isa::Sse41);
    return table;
}

}  // namespace quillane
