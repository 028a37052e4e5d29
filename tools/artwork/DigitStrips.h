// The two digit strips "0123456789.,-LR": light glyphs on black, drawn pixel
// by pixel so that every stem is crisp and the measured glyph widths (the
// last column whose blue coverage is not zero) come out as the fonts need.
#pragma once

#include <memory>

#include "tools/artwork/Image.h"

namespace artwork {

std::unique_ptr<Image> smallDigitStrip(); // 78 x 9, 13 glyphs of 6 x 9
std::unique_ptr<Image> largeDigitStrip(); // 105 x 11, 15 glyphs of 7 x 11

} // namespace artwork
