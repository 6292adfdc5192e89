#include "frame_checksum.h"

#include <cstdio>

namespace quillane::test {

std::string frameChecksum(const std::vector<std::vector<std::uint8_t>>& rows) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const auto& row : rows)
        for (const std::uint8_t byte : row) hash = (hash ^ byte) * 0x100000001b3u;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string checksumKey(const char* label, int n) { return std::string(label) + "/" + std::to_string(n); }

}  // namespace quillane::test
