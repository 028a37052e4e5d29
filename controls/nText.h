#pragma once

#include <atomic>

#include "controls/BitmapFont.h"
#include "controls/PanelPicture.h"
#include "view/CControlListener.h"
#include "view/CTextEdit.h"

class CDIB;
class StringValParameter;

// A short number in the digit font over the field's own piece of the panel.
// Two kinds:
// - entry field (large digits, white): shows its parameter's display text;
//   a left click opens the native text entry, and an entry ended with Return
//   sets the parameter from the typed text;
// - readout (small digits, black): shows a level in dB with two decimals, or
//   "-" for no level; a click with any button sets the value 0 and tells the
//   outer listener (the editor clears its held maxima).
// The field is the listener of its own entry, so it decides what a finished
// entry means before the outer listener hears of it. A text wider than the
// field is not painted at all.
//
// Threads: every operation is [UI], the window thread; the editor hands host
// changes to the fields at its idle. setValue only stores the value and marks
// the text to be formed again, which happens before the next draw or read.
class nText : public gui::CTextEdit, public gui::CControlListener {
public:
    // Paints into the rectangle given here, even when the view size is
    // changed later (the entry may be made larger than the field).
    nText(const gui::CRect& size, int32_t tag, gui::CControlListener* listener, CDIB* fontStrip,
          CDIB* background, StringValParameter* strings, bool entryField);
    ~nText() override;
    nText(const nText&) = delete;
    nText& operator=(const nText&) = delete;

    // Repaints the whole field from its panel copy, except while the entry
    // is open.
    void draw(gui::CDrawContext* context) override;
    // The next draw covers the field's rectangle: the panel under it is
    // opaque, the field has its first size, the entry is closed and the text
    // fits (a text too wide is not painted).
    bool isOpaque() const override;
    gui::CMouseEventResult onMouseDown(const gui::CPoint& where,
                                       gui::CButtonState buttons) override;
    // An entry field opens its entry showing the current display text; a
    // readout takes no focus.
    void takeFocus() override;
    // Entry field: the text follows the parameter's display text; readout:
    // "%6.2f" of the level in dB, or "-" for a level of 0 or below.
    void setValue(float newValue) override;
    // The text as it is shown: pending changes are formed first.
    const char* getText() const override;
    void getText(char* buffer) const override;
    // Fields are not copied: answers none.
    gui::CView* newCopy() const override;

    // The own entry's report: Return commits the typed text, any other end
    // puts the display text back.
    void valueChanged(gui::CControl* control) override;

    // True centres the text (the default), false aligns it right.
    virtual void setCentred(bool state);

    bool isEntryField() const { return entryField; }

private:
    // The glyph cell, spacing and colour of each kind.
    struct Look {
        int32_t cellWidth;
        int32_t glyphHeight;
        int32_t spacing;
        uint32_t color;
    };
    static const Look kEntryLook;
    static const Look kReadoutLook;

    const Look& look() const { return entryField ? kEntryLook : kReadoutLook; }
    // Forms the text from the value last set, when one is pending and no
    // entry is open. Window thread.
    void formPendingText();
    // Text <- the string interface's display text for the tag.
    void readDisplayText();

    StringValParameter* strings;
    gui::CControlListener* outerListener;
    bool centred = true;
    bool entryField;
    BitmapFont font;
    PanelPicture picture;
    // Set by setValue (any thread) with release ordering, so the window
    // thread that takes it also sees the value and parameter stored before.
    std::atomic<bool> textPending{false};
};
