// Delivery of the frame's window events on Linux: translated input goes to
// the frame, with the held extra buttons, double clicks and the pointer grab
// kept here. Pointer queries answer in 1× coordinates.
#include <cstdlib>

#include "view/DoubleClickTime.h"
#include "view/platform/x11/ScaledCopy.h"
#include "view/platform/x11/X11TextEntry.h"
#include "view/platform/x11/X11Window.h"

namespace gui {

namespace {

constexpr int32_t kDoubleClickDistance = 4;

} // namespace

void X11Window::dispatch(XEvent& event)
{
    if (backBuffer && backBuffer->takeCompletion(event))
        return;
    if (textEntry && event.xany.window == textEntry->getWindow()) {
        textEntry->handleEvent(event);
        return;
    }
    followStructure(event);
    if (event.xany.window != window)
        return;
    const X11Input input = translateX11Event(event, scale);
    switch (input.kind) {
    case X11Input::kExposed:
        invalidRect(input.area);
        break;
    case X11Input::kPressed:
        buttonPressed(input, event.xbutton);
        break;
    case X11Input::kReleased:
        buttonReleased(input, event.xbutton.time);
        break;
    case X11Input::kWheel:
        listener->windowWheel(input.where, input.axis, input.distance, input.buttons);
        break;
    case X11Input::kMoved:
    case X11Input::kEntered:
        // The pointer can come over the window without moving (the window
        // moved, a grab ended): reported as a move to where it now is.
        listener->windowMouseMoved(input.where, input.buttons | extraButtonsHeld);
        break;
    case X11Input::kLeft:
        // Moving into a child window (the text entry) is not leaving; while
        // the pointer is captured the leave is reported when the grab ends.
        if (!input.leftWindow || captured || !leaveTracked)
            break;
        leaveTracked = false;
        listener->windowMouseExited(input.where, input.buttons | extraButtonsHeld);
        break;
    case X11Input::kVisibility:
        fullyObscured = input.obscured;
        break;
    case X11Input::kDestroyed:
        window = None;
        listener->windowDestroyed();
        break;
    case X11Input::kIgnored:
        break;
    }
}

void X11Window::buttonPressed(const X11Input& input, const XButtonEvent& event)
{
    lastPressedWindow = this;
    extraButtonsHeld |= input.button & (kButton4 | kButton5);
    CButtonState buttons = input.buttons | extraButtonsHeld | input.button;
    if (isDoubleClick(event.button, event.time, input.where))
        buttons |= kDoubleClick;
    if (listener->windowMouseDown(input.where, buttons) == kMouseEventHandled) {
        captured = true;
    } else if (!captured) {
        // Only a handled press keeps the pointer: give up the implicit grab.
        XUngrabPointer(display, event.time);
    }
}

void X11Window::buttonReleased(const X11Input& input, Time time)
{
    extraButtonsHeld &= ~input.button;
    listener->windowMouseUp(input.where, (input.buttons | extraButtonsHeld) & ~input.button);
    if (captured) {
        captured = false;
        XUngrabPointer(display, time);
    }
}

// A second press of the same button within the double-click time (500 ms)
// and 4 pixels; a third press starts over.
bool X11Window::isDoubleClick(unsigned int button, Time time, CPoint where)
{
    bool isDouble = button == lastPressButton &&
                    time - lastPressTime <= Time(systemDoubleClickTime()) &&
                    std::abs(where.x - lastPressWhere.x) <= kDoubleClickDistance &&
                    std::abs(where.y - lastPressWhere.y) <= kDoubleClickDistance;
    lastPressButton = isDouble ? 0 : button;
    lastPressTime = time;
    lastPressWhere = where;
    return isDouble;
}

bool X11Window::queryPointer(int& x, int& y, unsigned int& state) const
{
    Window root = None, child = None;
    int rootX = 0, rootY = 0;
    return window != None &&
           XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &state);
}

CPoint X11Window::mouseLocation() const
{
    int x = 0, y = 0;
    unsigned int state = 0;
    return queryPointer(x, y, state) ? unscaledPoint(x, y, scale) : CPoint();
}

CButtonState X11Window::mouseButtons() const
{
    int x = 0, y = 0;
    unsigned int state = 0;
    if (!queryPointer(x, y, state))
        return extraButtonsHeld;
    return stateButtonsOf(state) | extraButtonsHeld;
}

} // namespace gui
