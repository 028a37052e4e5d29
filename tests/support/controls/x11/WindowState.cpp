#include "tests/support/controls/WindowState.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace tolvo {

// The cursor image the display shows at the pointer: a hidden pointer is a
// cursor without a single visible pixel.
bool pointerShown()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    bool shown = false;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        for (int i = 0; i < int(image->width) * int(image->height) && !shown; ++i)
            shown = (image->pixels[i] >> 24 & 0xFF) != 0;
        XFree(image);
    }
    XCloseDisplay(display);
    return shown;
}

bool syntheticModifiersReachMouseEvents()
{
    return true;
}

} // namespace tolvo
