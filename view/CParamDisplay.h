#pragma once

#include "view/CColor.h"
#include "view/CControl.h"
#include "view/CDrawContext.h"

namespace gui {

class CFontDesc;

// Style bits of parameter displays and text fields.
enum : int32_t {
    kShadowText = 0x04,
    k3DIn = 0x80,
    k3DOut = 0x100,
    kNoTextStyle = 0x800,
    kNoDrawStyle = 0x1000,
    kDoubleClickStyle = 0x2000,
    kNoFrame = 0x4000,
};

// A control that shows its value as text over a background bitmap or a
// coloured, framed rectangle. Display texts are at most 255 bytes of UTF-8.
class CParamDisplay : public CControl {
public:
    static constexpr size_t kTextSize = 256;

    // Converters write the display text into a buffer of kTextSize bytes.
    using StringConvert = void (*)(float value, char* text);
    using StringConvertWithData = void (*)(float value, char* text, void* userData);
    using String2FloatConvert = void (*)(char* text, float& value);

    CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);
    ~CParamDisplay() override;

    // Operations this class overrides.
    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override;

    // Operations of displays, in slot order.
    virtual void setFont(CFontDesc* font);
    virtual void setFontColor(const CColor& color);
    virtual void setBackColor(const CColor& color);
    virtual void setFrameColor(const CColor& color);
    virtual void setShadowColor(const CColor& color);
    virtual void setAntialias(bool state);
    virtual void setHoriAlign(CHoriTxtAlign align);
    virtual void setStringConvert(StringConvertWithData convert, void* userData);
    virtual void setStringConvert(StringConvert convert);
    virtual void setString2FloatConvert(String2FloatConvert convert);
    virtual void setStyle(int32_t newStyle);
    virtual void setTextTransparency(bool state);
    // Draws the background (the given bitmap, else the view's, else the
    // back colour with its frame), the 3D edges and the text, as the style
    // bits say.
    virtual void drawText(CDrawContext* context, const char* text, CBitmap* newBack = nullptr);

    CFontDesc* getFont() const { return fontID; }
    CColor getFontColor() const { return fontColor; }
    CColor getBackColor() const { return backColor; }
    CColor getFrameColor() const { return frameColor; }
    CColor getShadowColor() const { return shadowColor; }
    CHoriTxtAlign getHoriAlign() const { return horiTxtAlign; }
    int32_t getStyle() const { return style; }

protected:
    CParamDisplay(const CParamDisplay& other);

    // Changes a colour and marks the display dirty when any byte differs.
    void changeColor(CColor& target, const CColor& color);

    StringConvert stringConvert = nullptr;
    StringConvertWithData stringConvertWithData = nullptr;
    String2FloatConvert string2FloatConvert = nullptr;
    void* userData = nullptr;
    CHoriTxtAlign horiTxtAlign = kCenterText;
    int32_t style = 0;
    CFontDesc* fontID = nullptr;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CColor shadowColor = kRedCColor;
    bool textTransparency = true;
    bool antialias = true;
};

} // namespace gui
