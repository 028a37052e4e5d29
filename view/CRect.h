#pragma once

#include <algorithm>
#include <cstdint>

#include "view/CPoint.h"

namespace gui {

// A whole-pixel rectangle; width is right minus left, height bottom minus top.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : left(left), top(top), right(right), bottom(bottom)
    {}

    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr CPoint topLeft() const { return {left, top}; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    CRect& setWidth(int32_t w)
    {
        right = left + w;
        return *this;
    }
    CRect& setHeight(int32_t h)
    {
        bottom = top + h;
        return *this;
    }

    CRect& offset(int32_t dx, int32_t dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& offset(const CPoint& by) { return offset(by.x, by.y); }

    // Keeps the size and puts the top-left corner at (x, y).
    CRect& moveTo(int32_t x, int32_t y) { return offset(x - left, y - top); }

    // Intersection with another rectangle; an empty result has zero width or
    // height, never a negative one.
    CRect& bound(const CRect& other)
    {
        left = std::max(left, other.left);
        top = std::max(top, other.top);
        right = std::min(right, other.right);
        bottom = std::min(bottom, other.bottom);
        right = std::max(right, left);
        bottom = std::max(bottom, top);
        return *this;
    }

    // Hit test: both the right and the bottom edge count as inside.
    constexpr bool pointInside(const CPoint& p) const
    {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }

    // True when the two rectangles share at least one pixel.
    constexpr bool rectOverlap(const CRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }

    constexpr bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const CRect& o) const { return !(*this == o); }
};

} // namespace gui
