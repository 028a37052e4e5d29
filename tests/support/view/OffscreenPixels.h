#pragma once

#include <cstdint>
#include <vector>

#include "controls/CDIB.h"
#include "view/CBitmap.h"
#include "view/COffscreenContext.h"
#include "view/platform/GraphicsImage.h"

namespace tolvo {

// Pixel access for drawing tests: pixels are 32-bit words 0xAARRGGBB read
// from the blue, green, red, alpha bytes of an image.
class OffscreenPixels {
public:
    explicit OffscreenPixels(gui::COffscreenContext& context)
        : width(context.getWidth()), height(context.getHeight()), bytes(size_t(width) * height * 4)
    {
        if (gui::GraphicsImage* image = context.getBitmap()->getGraphicsImage())
            image->readPixels(bytes.data(), width * 4);
    }

    uint32_t at(int32_t x, int32_t y) const
    {
        const uint8_t* p = &bytes[(size_t(y) * width + x) * 4];
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }

    // The bounding box of pixels that differ from the given colour; empty
    // when none does.
    gui::CRect inkBounds(uint32_t background) const
    {
        gui::CRect box(width, height, 0, 0);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x)
                if (at(x, y) != background)
                    box = gui::CRect(std::min(box.left, x), std::min(box.top, y),
                                     std::max(box.right, x + 1), std::max(box.bottom, y + 1));
        return box.isEmpty() ? gui::CRect() : box;
    }

    const int32_t width;
    const int32_t height;
    std::vector<uint8_t> bytes;
};

// Fills the whole offscreen with an opaque colour.
inline void paintBackground(gui::COffscreenContext& context, const gui::CColor& color)
{
    context.setFillColor(color);
    context.drawRect(gui::CRect(0, 0, context.getWidth(), context.getHeight()), gui::kDrawFilled);
}

// Writes one premultiplied pixel (0xAARRGGBB) into a CDIB's buffer.
inline void putPixel(CDIB& dib, int32_t x, int32_t y, uint32_t argb)
{
    uint8_t* p = dib.getPixels() + y * dib.getRowBytes() + x * 4;
    p[0] = uint8_t(argb);
    p[1] = uint8_t(argb >> 8);
    p[2] = uint8_t(argb >> 16);
    p[3] = uint8_t(argb >> 24);
}

} // namespace tolvo
