// The pointer for the dragging controls on Linux, in root-window pixels. On
// a scaled window a position set is taken as an offset in frame pixels from
// the position last read, and multiplied by the scale.
#include "view/CursorFunctions.h"

#include "view/platform/ScaledCoordinates.h"
#include "view/platform/x11/X11Window.h"

namespace gui {

namespace {

CPoint lastRead;

} // namespace

bool getCursorPosition(int32_t& x, int32_t& y)
{
    X11Window* window = X11Window::pointerWindow();
    if (!window || !window->isCreated())
        return false;
    Window root = None, child = None;
    int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(window->getDisplay(), window->getWindow(), &root, &child, &rootX, &rootY,
                       &windowX, &windowY, &mask))
        return false;
    x = rootX;
    y = rootY;
    lastRead = CPoint(x, y);
    return true;
}

void setCursorPosition(int32_t x, int32_t y)
{
    X11Window* window = X11Window::pointerWindow();
    if (!window || !window->isCreated())
        return;
    Display* display = window->getDisplay();
    const CPoint to = warpedCursor(lastRead, CPoint(x, y), window->getScale());
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, to.x, to.y);
    XFlush(display);
}

} // namespace gui
