// X events of the frame's window turned into frame input, without a display.
#include "view/platform/x11/X11EventTranslation.h"

#include "view/platform/x11/ScaledCopy.h"

namespace gui {

namespace {

constexpr unsigned int kWheelUp = 4, kWheelDown = 5, kWheelLeft = 6, kWheelRight = 7;
constexpr unsigned int kExtraButton1 = 8, kExtraButton2 = 9;

CButtonState buttonBit(unsigned int button)
{
    switch (button) {
    case Button1:
        return kLButton;
    case Button2:
        return kMButton;
    case Button3:
        return kRButton;
    case kExtraButton1:
        return kButton4;
    case kExtraButton2:
        return kButton5;
    default:
        return 0;
    }
}

X11Input buttonInput(const XButtonEvent& event, bool pressed, int32_t scale)
{
    X11Input input;
    input.where = unscaledPoint(event.x, event.y, scale);
    input.buttons = stateButtonsOf(event.state);
    const bool vertical = event.button == kWheelUp || event.button == kWheelDown;
    const bool horizontal = event.button == kWheelLeft || event.button == kWheelRight;
    if (vertical || horizontal) {
        if (pressed) {
            input.kind = X11Input::kWheel;
            input.buttons = modifiersOf(event.state);
            input.axis = vertical ? kMouseWheelAxisY : kMouseWheelAxisX;
            input.distance = event.button == kWheelUp || event.button == kWheelRight ? 1.0f : -1.0f;
        }
        return input;
    }
    input.button = buttonBit(event.button);
    if (input.button)
        input.kind = pressed ? X11Input::kPressed : X11Input::kReleased;
    return input;
}

X11Input crossingInput(const XCrossingEvent& event, int32_t scale)
{
    X11Input input;
    input.kind = event.type == EnterNotify ? X11Input::kEntered : X11Input::kLeft;
    input.where = unscaledPoint(event.x, event.y, scale);
    input.buttons = stateButtonsOf(event.state);
    input.leftWindow = event.detail != NotifyInferior && event.mode != NotifyGrab;
    return input;
}

} // namespace

CButtonState modifiersOf(unsigned int state)
{
    CButtonState buttons = 0;
    if (state & ShiftMask)
        buttons |= kShift;
    if (state & ControlMask)
        buttons |= kControl;
    if (state & Mod1Mask)
        buttons |= kAlt;
    return buttons;
}

CButtonState stateButtonsOf(unsigned int state)
{
    CButtonState buttons = modifiersOf(state);
    if (state & Button1Mask)
        buttons |= kLButton;
    if (state & Button2Mask)
        buttons |= kMButton;
    if (state & Button3Mask)
        buttons |= kRButton;
    return buttons;
}

X11Input translateX11Event(const XEvent& event, int32_t scale)
{
    X11Input input;
    switch (event.type) {
    case Expose: {
        const XExposeEvent& expose = event.xexpose;
        input.kind = X11Input::kExposed;
        input.area = unscaledCover(
            CRect(expose.x, expose.y, expose.x + expose.width, expose.y + expose.height), scale);
        return input;
    }
    case ButtonPress:
    case ButtonRelease:
        return buttonInput(event.xbutton, event.type == ButtonPress, scale);
    case MotionNotify:
        input.kind = X11Input::kMoved;
        input.where = unscaledPoint(event.xmotion.x, event.xmotion.y, scale);
        input.buttons = stateButtonsOf(event.xmotion.state);
        return input;
    case EnterNotify:
    case LeaveNotify:
        return crossingInput(event.xcrossing, scale);
    case VisibilityNotify:
        input.kind = X11Input::kVisibility;
        input.obscured = event.xvisibility.state == VisibilityFullyObscured;
        return input;
    case DestroyNotify:
        if (event.xdestroywindow.window == event.xany.window)
            input.kind = X11Input::kDestroyed;
        return input;
    default:
        return input;
    }
}

} // namespace gui
