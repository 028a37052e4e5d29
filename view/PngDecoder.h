// Decodes PNG bytes held in memory into the pixel layout every bitmap of the
// editor uses: rows top to bottom, 4 bytes per pixel in the order blue, green,
// red, alpha, colours premultiplied by alpha.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gui {

struct DecodedImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels; // width * height * 4 bytes
};

// True when the whole image was decoded. False for data that is not a PNG, is
// cut short or is damaged: the image then keeps the size read from the header
// (0 x 0 when none was read) and every row decoded before the fault, the rest
// zero. Never reads outside the given bytes.
bool decodePng(const uint8_t* data, size_t size, DecodedImage& image);

} // namespace gui
