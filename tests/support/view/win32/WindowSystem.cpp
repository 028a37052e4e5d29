// The window system's view on Windows: the cursor's showing flag and place,
// showing a window, and the process environment the module reads.
#include "tests/support/view/WindowSystem.h"

#include <windows.h>

namespace tolvo {

bool pointerVisible()
{
    CURSORINFO info{};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0;
}

gui::CPoint pointerOnScreen()
{
    POINT point{};
    GetCursorPos(&point);
    return gui::CPoint(point.x, point.y);
}

gui::CPoint pointerInWindow(void* window)
{
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(static_cast<HWND>(window), &point);
    return gui::CPoint(point.x, point.y);
}

void showWindow(void* window, bool shown)
{
    ShowWindow(static_cast<HWND>(window), shown ? SW_SHOWNA : SW_HIDE);
}

void setScaleSetting(const char* value)
{
    SetEnvironmentVariableA("TOLVO_SCALE", value);
}

} // namespace tolvo
