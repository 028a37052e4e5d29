// Whether the frame's window on Linux can be seen: hosts often hide a plug-in
// window rather than close it, and a window nobody sees is not painted.
#include "view/platform/x11/X11Window.h"

namespace gui {

bool X11Window::readyToPaint()
{
    XWindowAttributes attributes{};
    const bool shown = !fullyObscured && XGetWindowAttributes(display, window, &attributes) &&
                       attributes.map_state == IsViewable;
    if (!shown) {
        paintSkipped = true;
        return false;
    }
    if (paintSkipped) {
        paintSkipped = false;
        invalidRect(CRect(0, 0, width, height));
    }
    return true;
}

} // namespace gui
