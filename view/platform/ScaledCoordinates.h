// Coordinates between the frame's 1× pixels and a window drawn at an integer
// scale: rectangles, points, cursor warps and text entries.
#pragma once

#include <cstdint>

#include "view/CPoint.h"
#include "view/CRect.h"
#include "view/NativeTextEntry.h"

namespace gui {

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

// Where a cursor set to `wanted` goes on the screen: the controls ask for a
// screen position they read plus an offset in frame pixels, so the offset
// from the position last read is multiplied by the scale.
inline CPoint warpedCursor(CPoint lastRead, CPoint wanted, int32_t scale)
{
    return CPoint(lastRead.x + (wanted.x - lastRead.x) * scale,
                  lastRead.y + (wanted.y - lastRead.y) * scale);
}

// A text entry drawn directly in the window: the field's rectangle and font
// at the window's scale.
inline NativeTextEntry::Settings scaledEntrySettings(const NativeTextEntry::Settings& settings,
                                                     int32_t scale)
{
    NativeTextEntry::Settings scaled = settings;
    scaled.rect = scaledRect(settings.rect, scale);
    scaled.fontHeight = settings.fontHeight * scale;
    return scaled;
}

} // namespace gui
