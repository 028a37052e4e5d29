// The single-line text entry of a text field on Linux: a child window of the
// frame's window over the field, drawn with cairo in the field's font and
// colours. It opens with all text selected and the keyboard focus; keys come
// through X focus and through the host's key opcodes. Return reports to the
// listener; Escape and the loss of the keyboard focus give the text back as it
// was and report the focus loss, so the field sees no change.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>
#include <memory>
#include <string>

#include "host/PluginInterface.h"
#include "view/NativeTextEntry.h"
#include "view/platform/x11/EntryEditingState.h"
#include "view/platform/x11/X11BackBuffer.h"

namespace gui {

class X11Window;

class X11TextEntry : public NativeTextEntry {
public:
    X11TextEntry(X11Window& frameWindow, const Settings& settings, Listener& listener);
    ~X11TextEntry() override;

    bool isOpen() const { return window != None; }
    Window getWindow() const { return window; }
    std::string getText() const override;

    void handleEvent(const XEvent& event);
    bool hostKey(const VstKeyCode& key);
    // The frame's window is going away; so is this entry's child window.
    void windowGone();

private:
    enum class Key {
        Character,
        Return,
        Escape,
        Backspace,
        Delete,
        Left,
        Right,
        Home,
        End,
        SelectAll
    };

    // Applies one key; false when the entry has no use for it. May report to
    // the listener, after which this object may be gone.
    bool applyKey(Key key, uint32_t character, bool shift);
    void keyPressed(XKeyEvent& event);
    void clicked(int x, bool extend);
    void revertAndReportFocusLoss();
    void redraw();
    double textOffset(cairo_t* cr) const;
    size_t offsetAt(int x);

    X11Window* frameWindow;
    Display* display;
    Window window = None;
    Window previousFocus = None;
    Settings settings;
    std::string fontName;
    Listener& listener;
    EntryEditingState text;
    std::string originalText;
    std::unique_ptr<X11BackBuffer> buffer;
    int32_t width;
    int32_t height;
    double scroll = 0.0;
};

} // namespace gui
