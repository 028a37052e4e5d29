// Nearest-neighbour enlargement of a rectangle of 32-bit pixels by an integer
// scale (the coordinates between 1× and the window come with it).
#pragma once

#include <cstdint>

#include "view/CRect.h"
#include "view/platform/ScaledCoordinates.h"

namespace gui {

struct ImagePixels {
    unsigned char* data;
    int32_t stride; // bytes a row
};

// Draws `area` of `from` (1× coordinates) into `to` at `scale` times the
// position and size, each pixel an N × N block. `to` must hold the result.
void copyScaled(const ImagePixels& from, const ImagePixels& to, const CRect& area, int32_t scale);

} // namespace gui
