#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Frame checksums that the Linux build writes and the Windows test host reads,
// one "key checksum" line per frame.
namespace quillane::test {

// 64-bit FNV-1a over the rows, in order, as 16 lowercase hex digits.
std::string frameChecksum(const std::vector<std::vector<std::uint8_t>>& rows);

// The table key of frame n of a case.
std::string checksumKey(const char* label, int n);

}  // namespace quillane::test
