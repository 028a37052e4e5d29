#include "view/CBitmap.h"

#include "view/CDrawContext.h"
#include "view/GDIPlusGlobals.h"
#include "view/PngDecoder.h"
#include "view/ResourceLookup.h"
#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsImage.h"

namespace gui {

CBitmap::CBitmap(const CResourceDescription& description) : resourceDesc(description)
{
    GDIPlusGlobals::enterFor([&] { loadFromResource(description); });
}

CBitmap::CBitmap(CFrame*, int32_t width, int32_t height) : width(width), height(height)
{
    GDIPlusGlobals::enterFor([&] { graphicsImage = GraphicsImage::createBlank(width, height); });
}

CBitmap::~CBitmap()
{
    dispose();
    GDIPlusGlobals::exit();
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    drawAlphaBlend(context, rect, offset, kOpaqueAlpha);
}

// Transparency always comes from the image's own alpha channel.
void CBitmap::drawTransparent(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    drawAlphaBlend(context, rect, offset, kOpaqueAlpha);
}

void CBitmap::drawAlphaBlend(CDrawContext* context, const CRect& rect, const CPoint& offset,
                             uint8_t alpha)
{
    drawRegion(context, rect, offset, alpha, false);
}

void CBitmap::drawOpaque(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    drawRegion(context, rect, offset, kOpaqueAlpha, true);
}

void CBitmap::drawRegion(CDrawContext* context, const CRect& rect, const CPoint& offset,
                         uint8_t alpha, bool opaque)
{
    if (!context || !context->getCanvas() || rect.width() <= 0 || rect.height() <= 0)
        return;
    GraphicsImage* image = getGraphicsImage();
    if (!image)
        return;
    const int32_t x = rect.left + context->getOffset().x;
    const int32_t y = rect.top + context->getOffset().y;
    GraphicsCanvas* canvas = context->getCanvas();
    if (opaque)
        canvas->copyOpaqueImage(*image, x, y, offset.x, offset.y, rect.width(), rect.height());
    else
        canvas->drawImage(*image, x, y, offset.x, offset.y, rect.width(), rect.height(), alpha);
}

void CBitmap::dispose()
{
    graphicsImage.reset();
    bits.clear();
    bits.shrink_to_fit();
    noAlpha = false;
    width = 0;
    height = 0;
}

bool CBitmap::loadFromResource(const CResourceDescription& description)
{
    dispose();
    // The module's pictures are PNG resources known by number only.
    if (description.type != kIntegerType)
        return false;
    const ResourceBytes resource = findPngResource(description.id);
    if (!resource.data)
        return false;

    // A damaged image keeps the size its header gave and the rows decoded
    // before the fault, and so draws incomplete.
    DecodedImage image;
    decodePng(resource.data, resource.size, image);
    width = image.width;
    height = image.height;
    if (image.pixels.size() == size_t(width) * size_t(height) * 4)
        bits = std::move(image.pixels);
    noAlpha = false;
    return true;
}

bool CBitmap::loadFromPath(const void*)
{
    dispose();
    return false;
}

GraphicsImage* CBitmap::getGraphicsImage()
{
    if (!graphicsImage && !bits.empty())
        graphicsImage = GraphicsImage::createSharing(width, height, width * 4, bits.data());
    return graphicsImage.get();
}

bool CBitmap::readImagePixels(uint8_t* destination, int32_t stride)
{
    GraphicsImage* image = getGraphicsImage();
    return image && image->readPixels(destination, stride);
}

void CBitmap::writeImagePixels(uint8_t* source, int32_t stride, int32_t firstRow, int32_t endRow)
{
    if (GraphicsImage* image = getGraphicsImage())
        image->writePixels(source, stride, firstRow, endRow);
    else
        graphicsImage = GraphicsImage::createSharing(width, height, stride, source);
}

} // namespace gui
