// Encodes small PNG images in memory for the decoder tests.
#pragma once

#include <cstdint>
#include <vector>

namespace tolvo {

struct PngRecipe {
    int width = 1;
    int height = 1;
    int colourType = 6; // PNG_COLOR_TYPE_RGB_ALPHA
    int bitDepth = 8;
    bool interlaced = false;
    bool stored = false;          // no compression, small chunks: rows lie in the file in order
    std::vector<uint8_t> samples; // packed rows as the colour type and depth lay them out
    std::vector<uint8_t> palette; // red, green, blue triples
    std::vector<uint8_t> transparency; // tRNS: palette alphas, or one grey / RGB 16-bit key
};

std::vector<uint8_t> encodePng(const PngRecipe& recipe);

} // namespace tolvo
