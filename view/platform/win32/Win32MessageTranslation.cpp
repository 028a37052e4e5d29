// Mouse messages of the frame's window turned into frame input, without a
// window.
#include "view/platform/win32/Win32MessageTranslation.h"

#include <windowsx.h>

#include "view/platform/ScaledCoordinates.h"

namespace gui {

namespace {

CButtonState buttonsOf(WPARAM wParam)
{
    CButtonState buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= kLButton;
    if (wParam & MK_RBUTTON)
        buttons |= kRButton;
    if (wParam & MK_MBUTTON)
        buttons |= kMButton;
    if (wParam & MK_XBUTTON1)
        buttons |= kButton4;
    if (wParam & MK_XBUTTON2)
        buttons |= kButton5;
    if (wParam & MK_SHIFT)
        buttons |= kShift;
    if (wParam & MK_CONTROL)
        buttons |= kControl;
    return buttons;
}

} // namespace

Win32Input translateWin32Message(UINT message, WPARAM wParam, LPARAM lParam, int32_t scale)
{
    Win32Input input;
    input.where = unscaledPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), scale);
    input.buttons = buttonsOf(wParam);
    switch (message) {
    case WM_MOUSEMOVE:
        input.kind = Win32Input::kMoved;
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
        input.buttons |= kDoubleClick;
        input.kind = Win32Input::kPressed;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        input.kind = Win32Input::kPressed;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
        input.kind = Win32Input::kReleased;
        break;
    case WM_MOUSEWHEEL:
        input.kind = Win32Input::kWheel;
        input.where = CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        input.buttons = 0;
        input.distance = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
        break;
    case WM_MOUSELEAVE:
        input.kind = Win32Input::kLeft;
        break;
    default:
        break;
    }
    return input;
}

} // namespace gui
