// What an X event on the frame's window means to the frame, worked out from
// the event alone: kind, 1× position, buttons and modifiers. The window host
// adds what needs memory (held extra buttons, double clicks, the grab).
#pragma once

#include <X11/Xlib.h>

#include "view/CPoint.h"
#include "view/CRect.h"
#include "view/MouseEvents.h"

namespace gui {

struct X11Input {
    enum Kind {
        kIgnored,
        kExposed,
        kPressed,
        kReleased,
        kMoved,
        kEntered,
        kLeft,
        kWheel,
        kVisibility,
        kDestroyed
    };

    Kind kind = kIgnored;
    // The pointer in 1× coordinates.
    CPoint where;
    // kExposed: the 1× area covering the exposed pixels.
    CRect area;
    // Buttons and modifiers the event's state holds (Button1..3, Shift,
    // Control, Alt); extra buttons 8 and 9 have no bit there.
    CButtonState buttons = 0;
    // kPressed, kReleased: the button's own bit.
    CButtonState button = 0;
    CMouseWheelAxis axis = kMouseWheelAxisY;
    float distance = 0.0f;
    // kLeft: false when the pointer went into a child window or a grab began.
    bool leftWindow = false;
    // kVisibility: the window is fully covered.
    bool obscured = false;
};

// Shift, Control and Alt of an X key or button state.
CButtonState modifiersOf(unsigned int state);
// Those and the buttons 1 to 3 the state holds.
CButtonState stateButtonsOf(unsigned int state);
// The event translated for a window drawn at `scale` times the 1× size.
X11Input translateX11Event(const XEvent& event, int32_t scale);

} // namespace gui
