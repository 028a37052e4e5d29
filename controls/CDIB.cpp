// A bitmap with its own pixel buffer for the controls to paint into.
#include "controls/CDIB.h"

#include <cstring>

CDIB::CDIB(int32_t resourceId) : gui::CBitmap(gui::CResourceDescription(resourceId))
{
    allocate();
}

CDIB::CDIB(gui::CFrame* frame, int32_t width, int32_t height) : gui::CBitmap(frame, width, height)
{
    allocate();
}

CDIB::~CDIB() = default;

void CDIB::allocate()
{
    if (getWidth() > 0 && getHeight() > 0)
        pixels.assign(size_t(getWidth()) * size_t(getHeight()) * 4, 0);
    getGraphicsImage();
    readPixels();
}

void CDIB::readPixels()
{
    if (!pixels.empty())
        readImagePixels(pixels.data(), getRowBytes());
}

void CDIB::commitRows(int32_t firstRow, int32_t endRow)
{
    if (!pixels.empty())
        writeImagePixels(pixels.data(), getRowBytes(), firstRow, endRow);
}

void CDIB::copyRectTo(CDIB* destination, const gui::CRect& rect, const gui::CPoint& source) const
{
    if (!destination || pixels.empty() || destination->pixels.empty() || rect.width() <= 0)
        return;
    const size_t rowBytes = size_t(rect.width()) * 4;
    for (int32_t row = 0; row < rect.height(); ++row) {
        const uint8_t* from =
            pixels.data() + size_t(source.y + row) * getRowBytes() + size_t(source.x) * 4;
        uint8_t* to = destination->pixels.data() +
                      size_t(rect.top + row) * destination->getRowBytes() + size_t(rect.left) * 4;
        std::memmove(to, from, rowBytes);
    }
}
