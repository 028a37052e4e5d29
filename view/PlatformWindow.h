// The frame's native child window, seen from the portable view code. Each
// target implements it in view/platform/<target>/: it creates the window
// inside the host's window, turns the window system's input into the calls of
// PlatformWindowListener (button bits of MouseEvents.h, frame coordinates) and
// paints by handing the listener the device for the damaged rectangle.
#pragma once

#include <cstdint>
#include <memory>

#include "host/PluginInterface.h"
#include "view/CPoint.h"
#include "view/CRect.h"
#include "view/MouseEvents.h"
#include "view/NativeTextEntry.h"
#include "view/PlatformWindowListener.h"

namespace gui {

// Standard cursors, numbered as the frame's cursor types.
enum CCursorType : int32_t {
    kCursorDefault = 0,
    kCursorWait,
    kCursorHSize,
    kCursorVSize,
    kCursorSizeAll,
    kCursorNESWSize,
    kCursorNWSESize,
    kCursorCopy,
    kCursorNotAllowed,
    kCursorHand,
};

class PlatformWindow {
public:
    // Creates the child window of the host's window (an HWND on Windows, an
    // X11 Window id on Linux) at (0, 0) with the given 1× size, at the scale
    // chooseScale picks; null on failure.
    static PlatformWindow* create(void* parentWindow, int32_t width, int32_t height,
                                  double hostScale, PlatformWindowListener* listener);

    // The scale a window for an editor `height` pixels tall at 1× would get
    // if it opened now (1, 2 or 3); `hostScale` is the host's, 0 for none.
    static int32_t chooseScale(int32_t height, double hostScale);

    virtual ~PlatformWindow() = default;
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;

    // Window pixels per frame pixel, fixed when the window opens: the frame
    // draws at 1× and the window shows every pixel as a scale × scale block.
    int32_t getScale() const { return scale; }
    // The native handle (HWND, or the X11 Window id).
    virtual void* handle() const = 0;
    // Asks for the rectangle (frame coordinates) to be repainted.
    virtual void invalidRect(const CRect& rect) = 0;
    // Work the window system does not do on its own: on Linux this reads the
    // pending events, delivers them and paints what is invalid. Called from
    // the editor's idle.
    virtual void idle() = 0;
    // Asks to be told once (windowMouseExited) when the pointer leaves.
    virtual void trackMouseLeave() = 0;
    // The pointer relative to the window's top-left corner.
    virtual CPoint mouseLocation() const = 0;
    // The live mouse buttons and modifier keys as kLButton... bits.
    virtual CButtonState mouseButtons() const = 0;
    virtual void setCursor(CCursorType type) = 0;
    // Hides the pointer over this window (true) or shows it again (false).
    // The hides are counted by the window itself, and a window that goes
    // away shows again what it hid: no other window inherits the count.
    virtual void hidePointer(bool hide) = 0;
    // The top-left of the window that holds the editor (see CFrame), relative
    // to its parent.
    virtual CPoint outerPosition() const = 0;
    // The rectangle of the window's parent in its own parent's coordinates.
    virtual CRect parentRect() const = 0;
    // Resizes the window (and on Windows the host windows around it).
    virtual void setSize(int32_t width, int32_t height) = 0;
    // Opens a single-line text entry over a field; none when it fails.
    virtual std::unique_ptr<NativeTextEntry>
    createTextEntry(const NativeTextEntry::Settings& settings,
                    NativeTextEntry::Listener& listener) = 0;
    // Offers a key from the host's key opcodes to the open text entry; true
    // when the entry used it.
    virtual bool takeHostKey(const VstKeyCode& key) = 0;

protected:
    PlatformWindow() = default;

    int32_t scale = 1;
};

} // namespace gui
