// Synthetic mouse and keyboard input aimed at a frame's window, through the
// window system as a user's input would arrive: XTest on Linux, SendInput on
// Windows. Points are in the frame's coordinates and may lie outside it.
#pragma once

#include <memory>

#include "view/CPoint.h"

namespace tolvo {

enum class MouseButton { Left, Middle, Right };
enum class EditKey { Return, Escape };

class InputInjector {
public:
    // None when the window system offers no synthetic input.
    static std::unique_ptr<InputInjector> create(void* frameWindow);
    virtual ~InputInjector() = default;

    virtual void moveTo(gui::CPoint where) = 0;
    virtual void press(MouseButton button) = 0;
    virtual void release(MouseButton button) = 0;
    virtual void holdShift(bool down) = 0;
    virtual void holdControl(bool down) = 0;
    virtual void holdAlt(bool down) = 0;
    // Turns the wheel by delta / 120 notches, up for positive deltas.
    virtual void wheel(int delta) = 0;
    // Whether deltas smaller than a notch exist on this window system.
    virtual bool hasFineWheel() const = 0;
    // Types plain ASCII letters and digits on the keyboard.
    virtual void type(const char* text) = 0;
    virtual void press(EditKey key) = 0;
};

} // namespace tolvo
