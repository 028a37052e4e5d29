#include "view/PngDecoder.h"

#include <cstring>
#include <png.h>

namespace gui {

namespace {

// Larger images are refused before any pixel memory is allocated, so a
// damaged header cannot ask for gigabytes.
constexpr png_uint_32 kMaxDimension = 4096;
// Deflate packs at most 1032 bytes into one: a file too short to hold the
// rows its header claims is refused before any pixel memory is allocated, so
// a few damaged bytes cannot make the decoder fill and scan 64 MiB.
constexpr size_t kMaxDeflateRatio = 1032;
// Ancillary chunks (texts, colour profiles) are read whole into memory,
// compressed ones inflated; a length field claiming gigabytes is refused
// instead of allocated. The module's pictures carry none that come near.
// libpng reports such a chunk as a "benign" error, which it would otherwise
// only warn about before allocating it anyway.
constexpr png_alloc_size_t kMaxChunkBytes = 1 << 20;

struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t position;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->position)
        png_error(png, "PNG data ends early");
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
}

// The module keeps no log: libpng's messages are dropped.
void stopOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp)
{}

// Converts every colour type to 8-bit blue, green, red, alpha.
void requestBgra(png_structp png, png_infop info)
{
    const int colourType = png_get_color_type(png, info);
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    else if ((colourType & PNG_COLOR_MASK_ALPHA) == 0)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    // Keeps the high byte of each 16-bit sample, whatever the byte order.
    if (png_get_bit_depth(png, info) == 16)
        png_set_strip_16(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Reads header and rows into the image. Returns false when libpng stops on an
// error; rows read until then stay in the image.
bool readImage(png_structp png, png_infop info, size_t fileSize, DecodedImage& image,
               std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_user_limits(png, kMaxDimension, kMaxDimension);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_set_benign_errors(png, 0);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    // Each stored row is its filter byte and its samples as the file packs them.
    const size_t storedBytes = (png_get_rowbytes(png, info) + 1) * size_t(height);
    if (storedBytes / kMaxDeflateRatio > fileSize)
        png_error(png, "image larger than its data");
    requestBgra(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4)
        png_error(png, "unexpected row layout");
    image.width = int32_t(width);
    image.height = int32_t(height);
    image.pixels.assign(size_t(width) * height * 4, 0);
    rows.resize(height);
    for (png_uint_32 row = 0; row < height; ++row)
        rows[row] = image.pixels.data() + size_t(row) * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

// (colour * alpha) >> 8 per channel; a fully transparent pixel becomes zero.
void premultiply(std::vector<uint8_t>& pixels)
{
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
        const unsigned alpha = pixels[i + 3];
        for (size_t c = 0; c < 3; ++c)
            pixels[i + c] = uint8_t((pixels[i + c] * alpha) >> 8);
    }
}

} // namespace

bool decodePng(const uint8_t* data, size_t size, DecodedImage& image)
{
    image = DecodedImage();
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0)
        return false;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopOnError, ignoreWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemoryReader reader{data, size, 0};
    png_set_read_fn(png, &reader, readFromMemory);
    std::vector<png_bytep> rows;
    bool complete = false;
    try {
        complete = readImage(png, info, size, image, rows);
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    // Rows decoded before an error are premultiplied too, so a partial
    // picture still holds valid premultiplied pixels.
    premultiply(image.pixels);
    return complete;
}

} // namespace gui
