#pragma once

#include <cstdint>

namespace gui {

// A whole-pixel point: horizontal, then vertical coordinate.
struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t x, int32_t y) : x(x), y(y) {}

    CPoint& offset(int32_t dx, int32_t dy)
    {
        x += dx;
        y += dy;
        return *this;
    }

    constexpr CPoint operator+(const CPoint& other) const { return {x + other.x, y + other.y}; }
    constexpr CPoint operator-(const CPoint& other) const { return {x - other.x, y - other.y}; }
    CPoint& operator+=(const CPoint& other) { return offset(other.x, other.y); }
    CPoint& operator-=(const CPoint& other) { return offset(-other.x, -other.y); }
    constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(const CPoint& other) const { return !(*this == other); }
};

} // namespace gui
