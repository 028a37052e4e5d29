#include "view/CDrawContext.h"

#include <algorithm>
#include <cmath>

#include "view/CFontDesc.h"
#include "view/CFrame.h"
#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsFont.h"
#include "view/platform/WindowDevice.h"

namespace gui {

CDrawContext::CDrawContext(CFrame* frame, void* device, void* window)
    : device(device), window(window), frame(frame),
      clipRect(frame ? frame->getViewSize() : CRect(0, 0, 1000, 1000))
{
    if (!device && window) {
        this->device = acquireWindowDevice(window);
        borrowedDevice = this->device != nullptr;
    }
    canvas = GraphicsCanvas::createOnDevice(this->device);
    if (window)
        screenOffset = windowScreenOffset(window);
    initDefaults();
}

CDrawContext::CDrawContext(CFrame* frame, const CRect& clip, std::unique_ptr<GraphicsCanvas> canvas)
    : frame(frame), clipRect(clip), canvas(std::move(canvas))
{
    initDefaults();
}

CDrawContext::~CDrawContext()
{
    if (font)
        font->forget();
    canvas.reset();
    if (borrowedDevice)
        releaseWindowDevice(window, device);
}

void CDrawContext::restoreDefaults()
{
    offset = CPoint();
    penLoc = CPoint();
    if (window)
        screenOffset = windowScreenOffset(window);
    setLineWidth(kDefaultLineWidth);
    setLineStyle(kLineSolid);
    setDrawMode(kCopyMode);
    if (frame)
        setClipRect(frame->getViewSize());
    initDefaults();
}

void CDrawContext::initDefaults()
{
    // The pen starts opaque black of width 1 and the brushes opaque black;
    // the colour defaults below then apply where they differ.
    frameColor = kBlackCColor;
    fillColor = kBlackCColor;
    if (canvas) {
        canvas->setPen(frameColor, lineWidth, false);
        canvas->setFillColor(fillColor);
    }
    setFrameColor(kWhiteCColor);
    setFontColor(kWhiteCColor);
    setFont(kSystemFont);
}

void CDrawContext::dropCanvas()
{
    canvas.reset();
}

void CDrawContext::moveTo(const CPoint& point)
{
    penLoc = point + offset;
}

void CDrawContext::lineTo(const CPoint& point)
{
    const CPoint end = point + offset;
    if (canvas)
        canvas->drawLine(penLoc, end);
    penLoc = end;
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    if (!canvas)
        return;
    CRect moved = rect;
    moved.offset(offset);
    const int32_t x = std::min(moved.left, moved.right);
    const int32_t y = std::min(moved.top, moved.bottom);
    const int32_t width = std::abs(moved.width());
    const int32_t height = std::abs(moved.height());
    if (style == kDrawFilled || style == kDrawFilledAndStroked)
        canvas->fillRect(x, y, width, height);
    // The outline stays inside the rectangle.
    if (style == kDrawStroked || style == kDrawFilledAndStroked)
        canvas->strokeRect(x, y, width - 1, height - 1);
}

void CDrawContext::setFrameColor(const CColor& color)
{
    if (color == frameColor)
        return;
    frameColor = color;
    if (canvas)
        canvas->setPen(frameColor, lineWidth, lineStyle == kLineOnOffDash);
}

void CDrawContext::setFillColor(const CColor& color)
{
    if (color == fillColor)
        return;
    fillColor = color;
    if (canvas)
        canvas->setFillColor(fillColor);
}

void CDrawContext::setFontColor(const CColor& color)
{
    fontColor = color;
    if (canvas)
        canvas->setFontColor(fontColor);
}

void CDrawContext::setLineWidth(int32_t width)
{
    if (width == lineWidth)
        return;
    lineWidth = width;
    if (canvas)
        canvas->setPen(frameColor, lineWidth, lineStyle == kLineOnOffDash);
}

void CDrawContext::setLineStyle(CLineStyle style)
{
    if (style == lineStyle)
        return;
    lineStyle = style;
    if (canvas)
        canvas->setPen(frameColor, lineWidth, lineStyle == kLineOnOffDash);
}

void CDrawContext::setDrawMode(CDrawMode mode)
{
    if (mode == drawMode)
        return;
    drawMode = mode;
    if (canvas)
        canvas->setSmoothing(drawMode != kCopyMode);
}

void CDrawContext::setFont(CFontDesc* newFont, int32_t size, int32_t style)
{
    if (!newFont)
        return;
    // Take the new reference first: the new font may be the current one.
    CFontDesc* previous = font;
    const bool sameSize = size < 1 || size == newFont->getSize();
    const bool sameStyle = style == -1 || style == newFont->getStyle();
    if (sameSize && sameStyle) {
        newFont->remember();
        font = newFont;
    } else {
        font = new CFontDesc(newFont->getName().c_str(), size < 1 ? newFont->getSize() : size,
                             style == -1 ? newFont->getStyle() : style);
    }
    if (previous)
        previous->forget();
}

int32_t CDrawContext::getStringWidth(const char* text)
{
    if (!font || !text || !canvas)
        return -1;
    GraphicsFont* platformFont = font->getPlatformFont();
    if (!platformFont)
        return -1;
    return int32_t(canvas->measureString(*platformFont, text));
}

void CDrawContext::drawString(const char* text, const CPoint& point, bool antialias)
{
    if (!text || !font || !canvas)
        return;
    GraphicsFont* platformFont = font->getPlatformFont();
    if (!platformFont)
        return;
    // The text's line box ends one pixel below the point.
    const double lineHeight = canvas->lineHeight(*platformFont);
    canvas->drawString(*platformFont, text, point.x + offset.x, point.y + offset.y + 1 - lineHeight,
                       antialias);
}

void CDrawContext::drawString(const char* text, const CRect& rect, CHoriTxtAlign align,
                              bool antialias)
{
    if (!text || !font || !canvas)
        return;
    int32_t x = rect.left;
    if (align == kRightText)
        x = rect.right - getStringWidth(text);
    else if (align == kCenterText)
        x = int32_t((rect.right - rect.left) * 0.5 + rect.left - getStringWidth(text) * 0.5);
    const int32_t y = rect.bottom + font->getSize() / 2 - (rect.bottom - rect.top) / 2 - 1;

    CRect previousClip;
    getClipRect(previousClip);
    CRect clip = rect;
    clip.bound(previousClip);
    setClipRect(clip);
    drawString(text, CPoint(x, y), antialias);
    setClipRect(previousClip);
}

void CDrawContext::setClipRect(const CRect& clip)
{
    CRect moved = clip;
    moved.offset(offset);
    if (moved == clipRect)
        return;
    clipRect = moved;
    if (canvas)
        canvas->setClip(clipRect);
}

CRect& CDrawContext::getClipRect(CRect& clip) const
{
    clip = clipRect;
    clip.offset(-offset.x, -offset.y);
    return clip;
}

} // namespace gui
