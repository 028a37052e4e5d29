#include "tools/tolvo-host/PngWriter.h"

#include <cstdio>
#include <png.h>

namespace tolvo {

bool writePng(const std::string& path, const std::vector<uint8_t>& pixels, int32_t width,
              int32_t height)
{
    if (width <= 0 || height <= 0 || pixels.size() != size_t(width) * size_t(height) * 4)
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (png && info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<png_byte> row(size_t(width) * 3);
        for (int32_t y = 0; y < height; ++y) {
            const uint8_t* source = pixels.data() + size_t(y) * size_t(width) * 4;
            for (int32_t x = 0; x < width; ++x) {
                row[size_t(x) * 3] = source[x * 4 + 2];
                row[size_t(x) * 3 + 1] = source[x * 4 + 1];
                row[size_t(x) * 3 + 2] = source[x * 4];
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0 && written;
}

} // namespace tolvo
