#include "view/CursorFunctions.h"

#include <windows.h>

namespace gui {

bool getCursorPosition(int32_t& x, int32_t& y)
{
    POINT point{};
    if (!GetCursorPos(&point))
        return false;
    x = point.x;
    y = point.y;
    return true;
}

void setCursorPosition(int32_t x, int32_t y)
{
    SetCursorPos(x, y);
}

} // namespace gui
