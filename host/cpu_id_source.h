#pragma once

#include "cpu_features.h"
#include "module_export.h"

namespace quillane {

// Where the processor test reads CPUID leaf 1. False leaves the bits clear,
// which the test refuses.
using CpuIdReader = bool (*)(CpuIdLeaf1& leaf);

CpuIdReader cpuIdReader();

}  // namespace quillane

// Lets tests stand in for the processor; null restores the real instruction.
// Returns the reader it replaced. Not exported from the Windows module.
extern "C" QUILLANE_MODULE_EXPORT quillane::CpuIdReader QuillaneSetCpuIdReader(quillane::CpuIdReader reader);
