#include "view/CursorFunctions.h"

#include "view/platform/x11/X11Window.h"

namespace gui {

namespace {

// Like the Windows display counter: the pointer shows while it is 0 or more.
int displayCount = 0;

} // namespace

// X11 has no process-wide pointer to hide: the editor window the user works
// in shows a blank cursor instead.
void hideCursor(bool hide)
{
    displayCount += hide ? -1 : 1;
    if (X11Window* window = X11Window::pointerWindow())
        window->setCursorBlank(displayCount < 0);
}

bool getCursorPosition(int32_t& x, int32_t& y)
{
    X11Window* window = X11Window::pointerWindow();
    if (!window || !window->isCreated())
        return false;
    Window root = None, child = None;
    int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(window->getDisplay(), window->getWindow(), &root, &child, &rootX, &rootY, &windowX,
                       &windowY, &mask))
        return false;
    x = rootX;
    y = rootY;
    return true;
}

void setCursorPosition(int32_t x, int32_t y)
{
    X11Window* window = X11Window::pointerWindow();
    if (!window || !window->isCreated())
        return;
    Display* display = window->getDisplay();
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
    XFlush(display);
}

} // namespace gui
