// Writes a small synthetic YUY2 clip with the kind of damage the filter is
// for: fine noise, isolated specks, and edges and lines that must survive.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "options.h"

namespace {

// A small deterministic generator, so the sample is the same everywhere.
struct Random {
    std::uint32_t state;
    std::uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
};

std::uint8_t clampByte(int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t width = 0, height = 0;
    if (argc != 4 || !quillane::cli::parseGeometry(argv[1], width, height) || width % 2 != 0) {
        std::fprintf(stderr, "usage: make_sample WxH FRAMES OUTPUT (even width)\n");
        return 2;
    }
    const long frames = std::stol(argv[2]);
    std::FILE* out = std::fopen(argv[3], "wb");
    if (out == nullptr) {
        std::perror(argv[3]);
        return 1;
    }
    Random rng{0x9E3779B9u};
    std::vector<std::uint8_t> row(std::size_t{width} * 2);
    for (long f = 0; f < frames; ++f) {
        for (std::uint32_t y = 0; y < height; ++y) {
            for (std::uint32_t x = 0; x < width; ++x) {
                int luma = 40 + static_cast<int>((x + 2 * f) * 150 / width);  // moving gradient
                if ((x / 24 + y / 24) % 2 == 0) luma += 40;                   // blocks with hard edges
                if (x % 37 == 5) luma = 230;                                  // one-pixel vertical lines
                luma += static_cast<int>(rng.next() % 13) - 6;                // fine noise
                if (rng.next() % 211 == 0) luma = rng.next() % 2 ? 255 : 0;   // specks
                row[2 * x] = clampByte(luma);
                row[2 * x + 1] = static_cast<std::uint8_t>(x % 2 ? 128 + y % 64 : 128 - x % 64);
            }
            if (std::fwrite(row.data(), 1, row.size(), out) != row.size()) {
                std::perror(argv[3]);
                std::fclose(out);
                return 1;
            }
        }
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
