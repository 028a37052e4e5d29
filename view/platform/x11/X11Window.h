// The frame's window on Linux: an Xlib child window of the host's X11 window
// on a display connection of its own. The editor's idle pumps its events and
// paints: Expose and invalidRect collect damaged areas, each of which is drawn
// into an image back buffer and copied to the window. The frame works at 1×;
// the window is `scale` times as large, and input is divided on its way in.
#pragma once

#include <X11/Xlib.h>
#include <array>
#include <memory>
#include <vector>

#include "view/PlatformWindow.h"
#include "view/platform/DamageList.h"
#include "view/platform/x11/X11BackBuffer.h"
#include "view/platform/x11/X11EventTranslation.h"

namespace gui {

class X11TextEntry;

class X11Window : public PlatformWindow {
public:
    X11Window(Display* display, Window parent, int32_t width, int32_t height, int32_t windowScale,
              PlatformWindowListener* listener);
    ~X11Window() override;

    bool isCreated() const { return window != None; }
    Display* getDisplay() const { return display; }
    Window getWindow() const { return window; }

    void* handle() const override;
    void invalidRect(const CRect& rect) override;
    void idle() override;
    void trackMouseLeave() override;
    CPoint mouseLocation() const override;
    CButtonState mouseButtons() const override;
    void setCursor(CCursorType type) override;
    void hidePointer(bool hide) override;
    CPoint outerPosition() const override;
    CRect parentRect() const override;
    void setSize(int32_t width, int32_t height) override;
    std::unique_ptr<NativeTextEntry> createTextEntry(const NativeTextEntry::Settings& settings,
                                                     NativeTextEntry::Listener& listener) override;
    bool takeHostKey(const VstKeyCode& key) override;

    // The open text entry registers itself to receive its window's events.
    void setTextEntry(X11TextEntry* entry) { textEntry = entry; }

    // The scale for an editor `height` pixels tall at 1× on the display.
    static int32_t scaleForDisplay(Display* display, int32_t height, double hostScale);

    // The window the user pressed last (else any open one), or none: the one
    // whose display the cursor functions use.
    static X11Window* pointerWindow();
    // Shows a blank cursor over the window in place of its own, or its own again.
    void setCursorBlank(bool blank);

private:
    void dispatch(XEvent& event);
    void buttonPressed(const X11Input& input, const XButtonEvent& event);
    void buttonReleased(const X11Input& input, Time time);
    void paintDamage();
    // False while the window cannot be seen (it or a window around it is
    // unmapped, or it is fully covered): the damage then waits. The first
    // paint after that covers the whole window.
    bool readyToPaint();
    // Notes a map, unmap or reparent of the window or of a window around it.
    void followStructure(const XEvent& event);
    // Asks for the structure events of every window between this one and
    // the root, and remembers them.
    void watchAncestors();
    bool isDoubleClick(unsigned int button, Time time, CPoint where);
    // The pointer in window pixels and the button and modifier state; false
    // without a window or when the pointer is on another screen.
    bool queryPointer(int& x, int& y, unsigned int& state) const;

    static inline std::vector<X11Window*> openWindows;
    static inline X11Window* lastPressedWindow = nullptr;

    Display* display;
    Window window = None;
    int32_t width;
    int32_t height;
    PlatformWindowListener* listener;
    std::unique_ptr<X11BackBuffer> backBuffer;
    DamageList damage;
    // The areas of the paint in progress (kept to reuse their memory).
    std::vector<CRect> painting;
    bool captured = false;
    bool leaveTracked = false;
    // Extra buttons 8 and 9 have no bit in the X state; they are followed here.
    CButtonState extraButtonsHeld = 0;
    unsigned int lastPressButton = 0;
    Time lastPressTime = 0;
    CPoint lastPressWhere;
    std::array<Cursor, kCursorHand + 1> cursors{};
    Cursor shownCursor = None;
    Cursor blankCursor = None;
    bool cursorBlank = false;
    bool fullyObscured = false;
    bool paintSkipped = false;
    // Whether the window and every window around it are mapped, as the server
    // last answered; asked again only after one of them was mapped, unmapped
    // or reparented, not at every paint.
    bool mapped = false;
    bool mappedKnown = false;
    // The windows from the parent up to the root's child, whose structure
    // events come to this connection too; walked again after a reparent.
    std::vector<Window> ancestors;
    bool ancestorsKnown = false;
    // Hides asked for and not yet shown again (hidePointer).
    int32_t pointerHides = 0;
    X11TextEntry* textEntry = nullptr;
};

} // namespace gui
