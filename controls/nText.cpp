#include "controls/nText.h"

#include <algorithm>

#include "controls/CDIB.h"
#include "controls/StringValParameter.h"
#include "controls/TextLooks.h"
#include "rules/LevelText.h"

const nText::Look nText::kEntryLook = {kLargeDigitFont.cellWidth, kLargeDigitFont.glyphHeight,
                                       kLargeDigitFont.spacing, 0xFFFFFF};
const nText::Look nText::kReadoutLook = {kSmallDigitFont.cellWidth, kSmallDigitFont.glyphHeight,
                                         kSmallDigitFont.spacing, 0x000000};

nText::nText(const gui::CRect& size, int32_t tag, gui::CControlListener* listener, CDIB* fontStrip,
             CDIB* background, StringValParameter* strings, bool entryField)
    : CTextEdit(size, this, tag, nullptr, nullptr, 0), strings(strings), outerListener(listener),
      entryField(entryField), font(fontStrip, look().cellWidth, look().glyphHeight, look().spacing),
      picture(background, size)
{
    font.setSpaceAdvance(look().cellWidth);
    font.setFixedPitch(true);
    setWantsFocus(entryField);
    readDisplayText();
    setDirty(true);
}

nText::~nText() = default;

void nText::readDisplayText()
{
    if (!strings)
        return;
    // An interface that writes nothing leaves the text as it was.
    char text[kTextSize];
    CTextEdit::getText(text);
    strings->getStringValue(tag, text);
    text[kTextSize - 1] = '\0';
    CTextEdit::setText(text);
}

void nText::formPendingText()
{
    if (isEditing() || !textPending.exchange(false, std::memory_order_acquire))
        return;
    if (entryField) {
        readDisplayText();
        return;
    }
    char text[kTextSize];
    formatLevel(getValue(), text, sizeof text);
    CTextEdit::setText(text);
}

void nText::draw(gui::CDrawContext* context)
{
    if (isEditing()) {
        setDirty(false);
        return;
    }
    formPendingText();
    uint8_t* pixels = picture.compose();
    const char* text = CTextEdit::getText();
    const int32_t width = picture.getWidth();
    const int32_t textWidth = font.measureText(text);
    if (textWidth > width)
        return;
    int32_t x = width - textWidth;
    if (centred)
        x /= 2;
    // With a negative spacing the last glyph's cell reaches past the
    // measured width; it must still end inside the field.
    const int32_t overhang = std::max(0, -look().spacing);
    x = std::min(x, width - textWidth - overhang);
    if (pixels && x >= 0 && picture.getHeight() >= font.getGlyphHeight())
        font.drawText(pixels, picture.getRowBytes(), x, 0, text, look().color);
    // Not editing, and the text fits: the picture covers whenever the panel does.
    picture.present(context, picture.covers(getViewSize()));
}

bool nText::isOpaque() const
{
    return !isEditing() && picture.covers(getViewSize()) &&
           font.measureText(getText()) <= picture.getWidth();
}

gui::CMouseEventResult nText::onMouseDown(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (entryField)
        return CTextEdit::onMouseDown(where, buttons);
    CControl::setValue(0.0f);
    if (outerListener)
        outerListener->valueChanged(this);
    return gui::kMouseEventHandled;
}

void nText::takeFocus()
{
    if (!entryField)
        return;
    formPendingText();
    CTextEdit::takeFocus();
}

void nText::setValue(float newValue)
{
    CControl::setValue(newValue);
    textPending.store(true, std::memory_order_release);
}

const char* nText::getText() const
{
    const_cast<nText*>(this)->formPendingText();
    return CTextEdit::getText();
}

void nText::getText(char* buffer) const
{
    const_cast<nText*>(this)->formPendingText();
    CTextEdit::getText(buffer);
}

gui::CView* nText::newCopy() const
{
    return nullptr;
}

void nText::valueChanged(gui::CControl*)
{
    if (!entryField)
        return;
    if (!wasReturnPressed()) {
        readDisplayText();
        return;
    }
    if (strings)
        strings->setStringValue(tag, CTextEdit::getText());
    // The field shows the engine's text for the value the typed text gave.
    textPending.store(true, std::memory_order_release);
    if (outerListener)
        outerListener->valueChanged(this);
}

void nText::setCentred(bool state)
{
    centred = state;
}
