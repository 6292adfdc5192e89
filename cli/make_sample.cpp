// Writes a small synthetic clip with the kind of damage the filter is for:
// fine noise, isolated specks, and edges and lines that must survive. An
// OUTPUT ending in .y4m gets a YUV4MPEG2 4:2:0 stream, anything else packed
// YUY2 frames back to back.

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

std::uint8_t sampleLuma(Random& rng, std::uint32_t x, std::uint32_t y, long frame, std::uint32_t width) {
    int luma = 40 + static_cast<int>((x + 2 * frame) * 150 / width);  // moving gradient
    if ((x / 24 + y / 24) % 2 == 0) luma += 40;                        // blocks with hard edges
    if (x % 37 == 5) luma = 230;                                       // one-pixel vertical lines
    luma += static_cast<int>(rng.next() % 13) - 6;                     // fine noise
    if (rng.next() % 211 == 0) luma = rng.next() % 2 ? 255 : 0;        // specks
    return clampByte(luma);
}

std::uint8_t sampleChroma(std::uint32_t x, std::uint32_t y, bool blue) {
    return static_cast<std::uint8_t>(blue ? 128 - x % 64 : 128 + y % 64);
}

std::vector<std::uint8_t> packedFrame(Random& rng, std::uint32_t width, std::uint32_t height, long frame) {
    std::vector<std::uint8_t> bytes(std::size_t{width} * height * 2);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint8_t* pixel = &bytes[(std::size_t{y} * width + x) * 2];
            pixel[0] = sampleLuma(rng, x, y, frame, width);
            pixel[1] = sampleChroma(x, y, x % 2 == 0);
        }
    return bytes;
}

std::vector<std::uint8_t> planarFrame(Random& rng, std::uint32_t width, std::uint32_t height, long frame) {
    const std::uint32_t cw = (width + 1) / 2, ch = (height + 1) / 2;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t{width} * height + 2 * std::size_t{cw} * ch);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) bytes.push_back(sampleLuma(rng, x, y, frame, width));
    for (const bool blue : {true, false})
        for (std::uint32_t y = 0; y < ch; ++y)
            for (std::uint32_t x = 0; x < cw; ++x) bytes.push_back(sampleChroma(2 * x, 2 * y, blue));
    return bytes;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t width = 0, height = 0;
    if (argc != 4 || !quillane::cli::parseGeometry(argv[1], width, height)) {
        std::fprintf(stderr, "usage: make_sample WxH FRAMES OUTPUT (OUTPUT.y4m for YUV4MPEG2, else YUY2 with even width)\n");
        return 2;
    }
    const std::string path = argv[3];
    const bool y4m = endsWith(path, ".y4m");
    const long frames = std::stol(argv[2]);
    if (!y4m && width % 2 != 0) {
        std::fprintf(stderr, "make_sample: YUY2 needs an even width\n");
        return 2;
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        std::perror(path.c_str());
        return 1;
    }
    bool ok = true;
    if (y4m)
        ok = std::fprintf(out, "YUV4MPEG2 W%u H%u F25:1 Ip A1:1 C420jpeg XQUILLANE=sample\n", width, height) > 0;
    Random rng{0x9E3779B9u};
    for (long f = 0; f < frames && ok; ++f) {
        const std::vector<std::uint8_t> frame = y4m ? planarFrame(rng, width, height, f) : packedFrame(rng, width, height, f);
        if (y4m) ok = std::fputs("FRAME\n", out) >= 0;
        ok = ok && std::fwrite(frame.data(), 1, frame.size(), out) == frame.size();
    }
    if (std::fclose(out) != 0 || !ok) {
        std::perror(path.c_str());
        std::remove(path.c_str());
        return 1;
    }
    return 0;
}
