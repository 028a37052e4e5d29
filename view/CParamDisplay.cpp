#include "view/CParamDisplay.h"

#include <cstdio>
#include <cstring>

#include "view/CBitmap.h"
#include "view/CFontDesc.h"

namespace gui {

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, int32_t style)
    : CControl(size, nullptr, 0, background), style(style), fontID(kNormalFont)
{
    if (fontID)
        fontID->remember();
    if (style & kNoDrawStyle)
        setDirty(false);
}

CParamDisplay::CParamDisplay(const CParamDisplay& other)
    : CControl(other), stringConvert(other.stringConvert),
      stringConvertWithData(other.stringConvertWithData),
      string2FloatConvert(other.string2FloatConvert), userData(other.userData),
      horiTxtAlign(other.horiTxtAlign), style(other.style), fontID(other.fontID),
      fontColor(other.fontColor), backColor(other.backColor), frameColor(other.frameColor),
      shadowColor(other.shadowColor), textTransparency(other.textTransparency),
      antialias(other.antialias)
{
    if (fontID)
        fontID->remember();
}

CParamDisplay::~CParamDisplay()
{
    if (fontID)
        fontID->forget();
}

void CParamDisplay::draw(CDrawContext* context)
{
    char text[kTextSize] = "";
    if (stringConvertWithData)
        stringConvertWithData(getValue(), text, userData);
    else if (stringConvert)
        stringConvert(getValue(), text);
    else
        std::snprintf(text, sizeof text, "%2.2f", getValue());
    text[kTextSize - 1] = '\0';
    drawText(context, text);
}

void CParamDisplay::drawText(CDrawContext* context, const char* text, CBitmap* newBack)
{
    setDirty(false);
    if (style & kNoDrawStyle)
        return;

    CBitmap* bitmap = newBack ? newBack : background;
    if (bitmap) {
        if (transparencyEnabled)
            bitmap->drawTransparent(context, size, backOffset);
        else
            bitmap->draw(context, size, backOffset);
    } else if (!transparencyEnabled) {
        context->setFillColor(backColor);
        context->drawRect(size, kDrawFilled);
        if (!(style & (k3DIn | k3DOut | kNoFrame))) {
            context->setLineWidth(1);
            context->setFrameColor(frameColor);
            context->drawRect(size, kDrawStroked);
        }
    }

    if (style & (k3DIn | k3DOut)) {
        const bool sunken = style & k3DIn;
        context->setLineWidth(1);
        context->setFrameColor(sunken ? backColor : frameColor);
        context->moveTo(CPoint(size.left, size.bottom));
        context->lineTo(CPoint(size.left, size.top + 1));
        context->lineTo(CPoint(size.right - 1, size.top + 1));
        context->setFrameColor(sunken ? frameColor : backColor);
        context->moveTo(CPoint(size.right - 1, size.top + 1));
        context->lineTo(CPoint(size.right - 1, size.bottom));
        context->lineTo(CPoint(size.left, size.bottom));
    }

    if ((style & kNoTextStyle) || !text || text[0] == '\0' || !fontID)
        return;

    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip = size;
    clip.bound(oldClip);
    context->setClipRect(clip);
    context->setFont(fontID);
    if (style & kShadowText) {
        CRect shadowRect = size;
        shadowRect.offset(1, 1);
        context->setFontColor(shadowColor);
        context->drawString(text, shadowRect, horiTxtAlign, antialias);
    }
    context->setFontColor(fontColor);
    context->drawString(text, size, horiTxtAlign, antialias);
    context->setClipRect(oldClip);
}

bool CParamDisplay::isTypeOf(const char* type) const
{
    return (type && std::strcmp(type, "CParamDisplay") == 0) || CControl::isTypeOf(type);
}

CView* CParamDisplay::newCopy() const
{
    return new CParamDisplay(*this);
}

void CParamDisplay::setFont(CFontDesc* font)
{
    setDirty(true);
    // Remember first: the new font may be the one already held.
    if (font)
        font->remember();
    if (fontID)
        fontID->forget();
    fontID = font;
}

void CParamDisplay::changeColor(CColor& target, const CColor& color)
{
    if (target == color)
        return;
    target = color;
    setDirty(true);
}

void CParamDisplay::setFontColor(const CColor& color)
{
    changeColor(fontColor, color);
}

void CParamDisplay::setBackColor(const CColor& color)
{
    changeColor(backColor, color);
}

void CParamDisplay::setFrameColor(const CColor& color)
{
    changeColor(frameColor, color);
}

void CParamDisplay::setShadowColor(const CColor& color)
{
    changeColor(shadowColor, color);
}

void CParamDisplay::setAntialias(bool state)
{
    antialias = state;
}

void CParamDisplay::setHoriAlign(CHoriTxtAlign align)
{
    if (horiTxtAlign == align)
        return;
    horiTxtAlign = align;
    setDirty(true);
}

void CParamDisplay::setStringConvert(StringConvertWithData convert, void* data)
{
    stringConvertWithData = convert;
    userData = data;
}

void CParamDisplay::setStringConvert(StringConvert convert)
{
    stringConvert = convert;
}

void CParamDisplay::setString2FloatConvert(String2FloatConvert convert)
{
    string2FloatConvert = convert;
}

void CParamDisplay::setStyle(int32_t newStyle)
{
    if (style == newStyle)
        return;
    style = newStyle;
    setDirty(true);
}

void CParamDisplay::setTextTransparency(bool state)
{
    textTransparency = state;
}

} // namespace gui
