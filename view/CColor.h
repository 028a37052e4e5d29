#pragma once

#include <cstdint>

namespace gui {

// The alpha of a fully opaque pixel or drawing.
constexpr uint8_t kOpaqueAlpha = 255;

// A colour as red, green, blue and alpha bytes.
struct CColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = kOpaqueAlpha;

    // The 32-bit ARGB word the graphics library takes: alpha in the top byte.
    constexpr uint32_t toArgb() const
    {
        return (uint32_t(alpha) << 24) | (uint32_t(red) << 16) | (uint32_t(green) << 8) |
               uint32_t(blue);
    }

    constexpr bool operator==(const CColor& o) const
    {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    constexpr bool operator!=(const CColor& o) const { return !(*this == o); }
};

constexpr CColor kBlackCColor{0, 0, 0, 255};
constexpr CColor kWhiteCColor{255, 255, 255, 255};
constexpr CColor kRedCColor{255, 0, 0, 255};
constexpr CColor kTransparentCColor{255, 255, 255, 0};

} // namespace gui
