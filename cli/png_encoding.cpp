#include "png_encoding.h"

#include <png.h>

#include <csetjmp>

#include "file_io.h"

namespace quillane::cli {
namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    try {
        out->insert(out->end(), data, data + size);
    } catch (...) {
        png_error(png, "out of memory");
    }
}

void noFlush(png_structp) {}

// Kept free of objects with destructors: libpng reports errors by longjmp.
bool encodeInto(const GrayImage& image, std::vector<std::uint8_t>& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (std::uint32_t y = 0; y < image.height; ++y)
        png_write_row(png, image.pixels.data() + std::size_t{y} * image.width);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const GrayImage& image) {
    std::vector<std::uint8_t> out;
    if (!encodeInto(image, out)) throw RunError{"cannot encode the preview sheet as PNG"};
    return out;
}

}  // namespace quillane::cli
