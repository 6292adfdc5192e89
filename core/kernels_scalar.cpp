#include "kernel_table.h"
#include "lanes_portable.h"

namespace quillane {

const Kernels& scalarKernels() {
    static constexpr Kernels table = makeKernels<ScalarLanes>(Isa::Scalar);
    return table;
}

}  // namespace quillane
