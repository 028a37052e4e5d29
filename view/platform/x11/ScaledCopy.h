// Nearest-neighbour enlargement of a rectangle of 32-bit pixels by an integer
// scale, and the matching scaling of coordinates between 1× and the window.
#pragma once

#include <cstdint>

#include "view/CPoint.h"
#include "view/CRect.h"

namespace gui {

struct ImagePixels {
    unsigned char* data;
    int32_t stride; // bytes a row
};

// Draws `area` of `from` (1× coordinates) into `to` at `scale` times the
// position and size, each pixel an N × N block. `to` must hold the result.
void copyScaled(const ImagePixels& from, const ImagePixels& to, const CRect& area, int32_t scale);

inline CRect scaledRect(const CRect& rect, int32_t scale)
{
    return CRect(rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale);
}

// Window pixels to 1× ones, rounding down (also left of and above the window).
inline int32_t unscaledCoordinate(int32_t value, int32_t scale)
{
    return value >= 0 ? value / scale : -((-value + scale - 1) / scale);
}

inline CPoint unscaledPoint(int32_t x, int32_t y, int32_t scale)
{
    return CPoint(unscaledCoordinate(x, scale), unscaledCoordinate(y, scale));
}

// The 1× rectangle covering every window pixel of `rect`.
inline CRect unscaledCover(const CRect& rect, int32_t scale)
{
    return CRect(unscaledCoordinate(rect.left, scale), unscaledCoordinate(rect.top, scale),
                 -unscaledCoordinate(-rect.right, scale), -unscaledCoordinate(-rect.bottom, scale));
}

} // namespace gui
