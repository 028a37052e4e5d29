// Hiding the pointer over the frame's window on Windows. ShowCursor counts per
// thread, so the window keeps its own share of that count and gives it back
// when it goes: an editor closed in mid-drag leaves no hide behind.
#include "view/platform/win32/Win32Window.h"

namespace gui {

void Win32Window::hidePointer(bool hide)
{
    if (hide) {
        ShowCursor(FALSE);
        ++pointerHides;
    } else if (pointerHides > 0) {
        ShowCursor(TRUE);
        --pointerHides;
    }
}

void Win32Window::showHiddenPointer()
{
    for (; pointerHides > 0; --pointerHides)
        ShowCursor(TRUE);
}

} // namespace gui
