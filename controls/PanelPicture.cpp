#include "controls/PanelPicture.h"

#include <algorithm>
#include <cstring>

#include "controls/CDIB.h"
#include "view/CDrawContext.h"

PanelPicture::PanelPicture(const CDIB* panel, const gui::CRect& area)
    : area(area), width(std::max<int32_t>(0, area.width())),
      height(std::max<int32_t>(0, area.height())), background(new CDIB(nullptr, width, height)),
      work(new CDIB(nullptr, width, height)), rowBytes(background->getWidth() * 4)
{
    if (panel)
        copyClippedPixels(*panel, area, *background);
    opaque = allPixelsOpaque(*background);
}

PanelPicture::~PanelPicture()
{
    background.reset();
    work.reset();
}

uint8_t* PanelPicture::compose()
{
    uint8_t* pixels = work->getPixels();
    if (pixels && background->getPixels())
        std::memcpy(pixels, background->getPixels(), size_t(height) * size_t(rowBytes));
    firstStaleRow = 0;
    endStaleRow = height;
    return pixels;
}

uint8_t* PanelPicture::restore(const gui::CRect& part)
{
    uint8_t* pixels = work->getPixels();
    const uint8_t* from = background->getPixels();
    gui::CRect inside = part;
    inside.bound(gui::CRect(0, 0, width, height));
    if (!pixels || !from || inside.isEmpty())
        return pixels;
    if (firstStaleRow >= endStaleRow) {
        firstStaleRow = inside.top;
        endStaleRow = inside.bottom;
    } else {
        firstStaleRow = std::min(firstStaleRow, inside.top);
        endStaleRow = std::max(endStaleRow, inside.bottom);
    }
    const size_t bytes = size_t(inside.width()) * 4;
    for (int32_t row = inside.top; row < inside.bottom; ++row) {
        const size_t at = size_t(row) * size_t(rowBytes) + size_t(inside.left) * 4;
        std::memcpy(pixels + at, from + at, bytes);
    }
    return pixels;
}

void PanelPicture::present(gui::CDrawContext* context, bool opaqueWork)
{
    work->commitRows(firstStaleRow, endStaleRow);
    firstStaleRow = endStaleRow = 0;
    if (opaqueWork)
        work->drawOpaque(context, area);
    else
        work->draw(context, area);
}

void copyClippedPixels(const CDIB& source, const gui::CRect& sourceArea, CDIB& target)
{
    const uint8_t* from = source.getPixels();
    uint8_t* to = target.getPixels();
    if (!from || !to)
        return;
    // Columns and rows of sourceArea that lie inside both images.
    const int32_t firstColumn = std::max<int32_t>(0, -sourceArea.left);
    const int32_t firstRow = std::max<int32_t>(0, -sourceArea.top);
    const int32_t endColumn =
        std::min({sourceArea.width(), source.getWidth() - sourceArea.left, target.getWidth()});
    const int32_t endRow =
        std::min({sourceArea.height(), source.getHeight() - sourceArea.top, target.getHeight()});
    if (endColumn <= firstColumn)
        return;
    const size_t bytes = size_t(endColumn - firstColumn) * 4;
    for (int32_t row = firstRow; row < endRow; ++row)
        std::memcpy(to + size_t(row) * target.getRowBytes() + size_t(firstColumn) * 4,
                    from + size_t(sourceArea.top + row) * source.getRowBytes() +
                        size_t(sourceArea.left + firstColumn) * 4,
                    bytes);
}

bool allPixelsOpaque(const CDIB& image)
{
    const uint8_t* pixels = image.getPixels();
    if (!pixels)
        return false;
    constexpr int32_t kAlphaByte = 3;
    constexpr uint8_t kFullAlpha = 255;
    for (int32_t row = 0; row < image.getHeight(); ++row) {
        const uint8_t* p = pixels + size_t(row) * size_t(image.getRowBytes());
        for (int32_t x = 0; x < image.getWidth(); ++x)
            if (p[x * 4 + kAlphaByte] != kFullAlpha)
                return false;
    }
    return true;
}
