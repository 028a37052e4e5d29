#include "tests/support/view/TestPng.h"

#include <png.h>
#include <stdexcept>
#include <zlib.h>

namespace tolvo {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp)
{}

int samplesPerPixel(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

} // namespace

std::vector<uint8_t> encodePng(const PngRecipe& recipe)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("encoding the test PNG failed");
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    if (recipe.stored) {
        png_set_compression_level(png, Z_NO_COMPRESSION);
        png_set_compression_buffer_size(png, 256); // many small IDAT chunks
    }
    png_set_IHDR(png, info, recipe.width, recipe.height, recipe.bitDepth, recipe.colourType,
                 recipe.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!recipe.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(recipe.palette.data()),
                     int(recipe.palette.size() / 3));
    if (!recipe.transparency.empty()) {
        if (recipe.colourType == PNG_COLOR_TYPE_PALETTE) {
            png_set_tRNS(png, info, recipe.transparency.data(), int(recipe.transparency.size()),
                         nullptr);
        } else {
            png_color_16 key{};
            key.gray = recipe.transparency[0];
            key.red = recipe.transparency[0];
            key.green = recipe.transparency.size() > 1 ? recipe.transparency[1] : 0;
            key.blue = recipe.transparency.size() > 2 ? recipe.transparency[2] : 0;
            png_set_tRNS(png, info, nullptr, 0, &key);
        }
    }
    png_write_info(png, info);
    const size_t rowBytes =
        (size_t(recipe.width) * samplesPerPixel(recipe.colourType) * recipe.bitDepth + 7) / 8;
    std::vector<png_bytep> rows(recipe.height);
    std::vector<uint8_t> samples = recipe.samples;
    samples.resize(rowBytes * recipe.height);
    for (int y = 0; y < recipe.height; ++y)
        rows[y] = samples.data() + rowBytes * y;
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace tolvo
