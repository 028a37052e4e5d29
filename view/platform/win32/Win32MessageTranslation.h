// What a mouse message to the frame's window means to the frame, worked out
// from the message alone: kind, position, buttons, double click, wheel turn.
// The window host adds what the message does not carry (Alt, the window's
// place on the screen for wheel positions) and delivers it.
#pragma once

#include <windows.h>

#include "view/CPoint.h"
#include "view/MouseEvents.h"

namespace gui {

struct Win32Input {
    enum Kind { kIgnored, kMoved, kPressed, kReleased, kWheel, kLeft };

    Kind kind = kIgnored;
    // Frame coordinates (client pixels divided by the window's scale);
    // screen coordinates for kWheel.
    CPoint where;
    // Buttons, Shift and Control held, and kDoubleClick on a second press.
    CButtonState buttons = 0;
    // kWheel: notches turned, up positive; part of a notch counts as none.
    float distance = 0.0f;
};

// `scale` is the window's: its client pixels per frame pixel.
Win32Input translateWin32Message(UINT message, WPARAM wParam, LPARAM lParam, int32_t scale = 1);

} // namespace gui
