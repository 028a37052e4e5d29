// Hiding the pointer over the frame's window on Linux: X11 has no pointer to
// hide, so the window shows a blank cursor while it has hides outstanding.
#include "view/platform/x11/X11Window.h"

namespace gui {

void X11Window::hidePointer(bool hide)
{
    if (hide)
        ++pointerHides;
    else if (pointerHides > 0)
        --pointerHides;
    setCursorBlank(pointerHides > 0);
}

} // namespace gui
