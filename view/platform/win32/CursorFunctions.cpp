// The pointer for the dragging controls on Windows, in screen pixels. On a
// scaled window a position set is taken as an offset in frame pixels from the
// position last read, and multiplied by the scale.
#include "view/CursorFunctions.h"

#include <windows.h>

#include "view/platform/ScaledCoordinates.h"
#include "view/platform/win32/Win32Window.h"

namespace gui {

namespace {

CPoint lastRead;

} // namespace

bool getCursorPosition(int32_t& x, int32_t& y)
{
    POINT point{};
    if (!GetCursorPos(&point))
        return false;
    x = point.x;
    y = point.y;
    lastRead = CPoint(x, y);
    return true;
}

void setCursorPosition(int32_t x, int32_t y)
{
    const Win32Window* window = Win32Window::pointerWindow();
    const CPoint to = warpedCursor(lastRead, CPoint(x, y), window ? window->getScale() : 1);
    SetCursorPos(to.x, to.y);
}

} // namespace gui
