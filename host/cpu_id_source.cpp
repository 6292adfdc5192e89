#include "cpu_id_source.h"

#include <atomic>

namespace {

std::atomic<quillane::CpuIdReader> currentReader{&quillane::readCpuIdLeaf1};

}  // namespace

namespace quillane {

CpuIdReader cpuIdReader() { return currentReader.load(); }

}  // namespace quillane

quillane::CpuIdReader QuillaneSetCpuIdReader(quillane::CpuIdReader reader) {
    return currentReader.exchange(reader ? reader : &quillane::readCpuIdLeaf1);
}
