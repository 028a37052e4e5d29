#include "view/CTextEdit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "view/CControlListener.h"
#include "view/CFontDesc.h"
#include "view/CFrame.h"
#include "view/Utf8Text.h"

namespace gui {

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, int32_t tag,
                     const char* initialText, CBitmap* background, int32_t style)
    : CParamDisplay(size, background, style)
{
    setListener(listener);
    setTag(tag);
    copyUtf8Prefix(text, initialText, sizeof text);
    setWantsFocus(true);
}

CTextEdit::CTextEdit(const CTextEdit& other)
    : CParamDisplay(other), NativeTextEntry::Listener(), editConvert(other.editConvert),
      editConvertWithData(other.editConvertWithData)
{
    std::memcpy(text, other.text, sizeof text);
}

void CTextEdit::draw(CDrawContext* context)
{
    if (editWindow) {
        setDirty(false);
        return;
    }
    char displayText[kTextSize] = "";
    if (editConvertWithData) {
        editConvertWithData(text, displayText, userData);
    } else if (editConvert) {
        editConvert(text, displayText);
    } else if (stringConvertWithData || stringConvert) {
        if (stringConvertWithData)
            stringConvertWithData(getValue(), displayText, userData);
        else
            stringConvert(getValue(), displayText);
        displayText[kTextSize - 1] = '\0';
        std::memcpy(text, displayText, sizeof text);
    } else {
        std::snprintf(displayText, sizeof displayText, "%s", text);
    }
    displayText[kTextSize - 1] = '\0';
    drawText(context, displayText);
    setDirty(false);
}

CMouseEventResult CTextEdit::onMouseDown(const CPoint&, CButtonState buttons)
{
    if (!(buttons & kLButton))
        return kMouseEventNotHandled;
    if (parentFrame && parentFrame->getFocusView() == this)
        return kMouseEventNotHandled;
    if ((style & kDoubleClickStyle) && !(buttons & kDoubleClick))
        return kMouseEventNotHandled;
    takeFocus();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CRect CTextEdit::entryRect() const
{
    CRect rect = size;
    for (CView* parent = parentView; parent; parent = parent->getParentView()) {
        if (parent->notify(const_cast<CTextEdit*>(this), kMsgCheckIfViewContainer) ==
            kMessageNotified)
            rect.offset(parent->getViewSize().topLeft());
    }
    rect.right += 1;
    rect.bottom += 1;
    return rect;
}

void CTextEdit::takeFocus()
{
    if (editWindow || !parentFrame)
        return;
    // An open entry is one edit: begun here (which also makes this field the
    // frame's focus view) and ended when the entry closes.
    beginEdit();
    returnPressed = false;

    NativeTextEntry::Settings settings;
    settings.rect = entryRect();
    settings.text = text;
    settings.fontName = fontID ? fontID->getName().c_str() : "";
    const int32_t fieldHeight = size.height() - 2;
    settings.fontHeight = fontID ? std::min(fontID->getSize(), fieldHeight) : fieldHeight;
    settings.fontColor = fontColor;
    settings.backColor = backColor;
    settings.align = horiTxtAlign;
    editWindow = parentFrame->createTextEntry(settings, *this);
    if (!editWindow) {
        endEdit();
        if (parentFrame->getFocusView() == this)
            parentFrame->setFocusView(nullptr);
    }
}

void CTextEdit::looseFocus()
{
    // Clearing the frame's focus calls looseFocus again; that inner call
    // closes the entry.
    if (parentFrame && parentFrame->getFocusView() == this)
        parentFrame->setFocusView(nullptr);
    if (!editWindow)
        return;

    // Taken out first, so that a focus loss reported while the entry goes
    // away finds the field closed already.
    std::unique_ptr<NativeTextEntry> entry = std::move(editWindow);
    endEdit();
    char oldText[kTextSize];
    std::memcpy(oldText, text, sizeof text);
    copyUtf8Prefix(text, entry->getText().c_str(), sizeof text);
    entry.reset();

    if (listener && std::strcmp(oldText, text) != 0)
        listener->valueChanged(this);

    for (CView* parent = parentView; parent; parent = parent->getParentView()) {
        if (parent->notify(this, kMsgLooseFocus) == kMessageNotified)
            break;
    }
}

void CTextEdit::onTextEntryReturn()
{
    returnPressed = true;
    endEntryFromItsWindow();
}

void CTextEdit::onTextEntryFocusLost()
{
    endEntryFromItsWindow();
}

void CTextEdit::endEntryFromItsWindow()
{
    if (!parentFrame) {
        looseFocus();
        return;
    }
    // The entry's window reports from its own dispatch: the frame must stay
    // until that has returned, even if the host closes the editor meanwhile.
    CFrame* frame = parentFrame;
    const CFrame::DispatchScope scope(*frame);
    looseFocus();
}

bool CTextEdit::removed(CView* parent)
{
    if (editWindow) {
        endEdit();
        editWindow.reset();
    }
    return CParamDisplay::removed(parent);
}

bool CTextEdit::isTypeOf(const char* type) const
{
    return (type && std::strcmp(type, "CTextEdit") == 0) || CParamDisplay::isTypeOf(type);
}

CView* CTextEdit::newCopy() const
{
    return new CTextEdit(*this);
}

void CTextEdit::setText(const char* newText)
{
    if (!newText) {
        if (text[0] == '\0')
            return;
        text[0] = '\0';
    } else {
        if (std::strcmp(newText, text) == 0)
            return;
        copyUtf8Prefix(text, newText, sizeof text);
    }
    setDirty(true);
}

const char* CTextEdit::getText() const
{
    return text;
}

void CTextEdit::getText(char* buffer) const
{
    copyUtf8Prefix(buffer, text, kTextSize);
}

void CTextEdit::setTextEditConvert(EditConvertWithData convert, void* data)
{
    editConvertWithData = convert;
    userData = data;
}

void CTextEdit::setTextEditConvert(EditConvert convert)
{
    editConvert = convert;
}

} // namespace gui
