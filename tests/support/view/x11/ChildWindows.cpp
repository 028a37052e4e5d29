#include "tests/support/view/ChildWindows.h"

#include <X11/Xlib.h>
#include <cstdint>

#include "view/platform/x11/X11Display.h"

namespace tolvo {

int childWindowCount(void* window)
{
    Display* display = gui::openX11Display();
    if (!display)
        return -1;
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    int result = -1;
    if (XQueryTree(display, Window(reinterpret_cast<uintptr_t>(window)), &root, &parent, &children,
                   &count))
        result = int(count);
    if (children)
        XFree(children);
    XCloseDisplay(display);
    return result;
}

} // namespace tolvo
