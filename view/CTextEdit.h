#pragma once

#include <memory>

#include "view/CParamDisplay.h"
#include "view/NativeTextEntry.h"

namespace gui {

// A parameter display whose text the user can type. Showing, it draws like a
// display; a click (a double click with kDoubleClickStyle) opens a native text
// entry over it and the field is not drawn until the entry closes. Return,
// the loss of the keyboard focus or a click elsewhere close the entry; the
// listener hears valueChanged only when the text changed.
class CTextEdit : public CParamDisplay, private NativeTextEntry::Listener {
public:
    using EditConvert = void (*)(const char* text, char* displayText);
    using EditConvertWithData = void (*)(const char* text, char* displayText, void* userData);

    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag,
              const char* text = nullptr, CBitmap* background = nullptr, int32_t style = 0);

    // Operations this class overrides.
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(const CPoint& where, CButtonState buttons) override;
    void looseFocus() override;
    void takeFocus() override;
    // Leaving the tree while the entry is open ends the edit without a commit.
    bool removed(CView* parent) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override;

    // Operations of text fields, in slot order.
    // Keeps at most the first 255 bytes, never cutting a character in half.
    virtual void setText(const char* newText);
    virtual const char* getText() const;
    // Copies the text into a buffer of at least kTextSize bytes.
    virtual void getText(char* buffer) const;
    virtual void setTextEditConvert(EditConvertWithData convert, void* userData);
    virtual void setTextEditConvert(EditConvert convert);

    bool isEditing() const { return editWindow != nullptr; }
    bool wasReturnPressed() const { return returnPressed; }

protected:
    CTextEdit(const CTextEdit& other);

private:
    void onTextEntryReturn() override;
    void onTextEntryFocusLost() override;
    // Ends the entry on its window's report, keeping the frame alive until
    // the report has returned.
    void endEntryFromItsWindow();
    // Where the entry goes: the field in frame coordinates, one pixel wider
    // and taller.
    CRect entryRect() const;

    std::unique_ptr<NativeTextEntry> editWindow;
    bool returnPressed = false;
    char text[kTextSize] = "";
    EditConvert editConvert = nullptr;
    EditConvertWithData editConvertWithData = nullptr;
};

} // namespace gui
