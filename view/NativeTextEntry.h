#pragma once

#include <cstdint>
#include <string>

#include "view/CColor.h"
#include "view/CDrawContext.h"
#include "view/CRect.h"

namespace gui {

// The single-line text entry window a text field opens over itself while it
// is edited. The window host makes one per platform (CFrame::createTextEntry);
// it opens with all its text selected and the keyboard focus, scrolls
// horizontally, and takes at most kMaxCharacters characters.
class NativeTextEntry {
public:
    static constexpr int32_t kMaxCharacters = 255;

    // What an open entry reports. A report is the last thing the entry does
    // while handling an event, so the receiver may destroy the entry inside it.
    class Listener {
    public:
        // Return was pressed.
        virtual void onTextEntryReturn() = 0;
        // The entry lost the keyboard focus.
        virtual void onTextEntryFocusLost() = 0;

    protected:
        ~Listener() = default;
    };

    struct Settings {
        // Where the entry lies, in frame coordinates.
        CRect rect;
        // Initial text, UTF-8.
        const char* text = "";
        const char* fontName = "";
        // Font height in pixels; normal weight.
        int32_t fontHeight = 0;
        CColor fontColor;
        CColor backColor;
        CHoriTxtAlign align = kCenterText;
    };

    NativeTextEntry() = default;
    NativeTextEntry(const NativeTextEntry&) = delete;
    NativeTextEntry& operator=(const NativeTextEntry&) = delete;
    // Closes the window without any report.
    virtual ~NativeTextEntry() = default;

    // The text as typed so far, UTF-8.
    virtual std::string getText() const = 0;
};

} // namespace gui
