// The window system's view on Linux: a display connection of the test's own,
// the pointer's image from XFixes (the cursor the X server actually shows).
#include "tests/support/view/WindowSystem.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "view/platform/x11/X11Display.h"

namespace tolvo {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using Connection = std::unique_ptr<Display, DisplayCloser>;

Connection connect()
{
    return Connection(gui::openX11Display());
}

Window idOf(void* window)
{
    return Window(reinterpret_cast<uintptr_t>(window));
}

constexpr unsigned long kAlphaBits = 0xff000000ul;

} // namespace

bool pointerVisible()
{
    Connection display = connect();
    if (!display)
        return false;
    XFixesCursorImage* image = XFixesGetCursorImage(display.get());
    if (!image)
        return false;
    bool visible = false;
    for (long i = 0; i < long(image->width) * long(image->height); ++i)
        visible = visible || (image->pixels[i] & kAlphaBits) != 0;
    XFree(image);
    return visible;
}

gui::CPoint pointerOnScreen()
{
    Connection display = connect();
    if (!display)
        return gui::CPoint();
    Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    XQueryPointer(display.get(), DefaultRootWindow(display.get()), &root, &child, &rootX, &rootY,
                  &x, &y, &mask);
    return gui::CPoint(rootX, rootY);
}

gui::CPoint pointerInWindow(void* window)
{
    Connection display = connect();
    if (!display)
        return gui::CPoint(-1, -1);
    Window root = None, child = None;
    int rootX = 0, rootY = 0, x = -1, y = -1;
    unsigned int mask = 0;
    XQueryPointer(display.get(), idOf(window), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return gui::CPoint(x, y);
}

void showWindow(void* window, bool shown)
{
    Connection display = connect();
    if (!display)
        return;
    if (shown)
        XMapWindow(display.get(), idOf(window));
    else
        XUnmapWindow(display.get(), idOf(window));
    XSync(display.get(), False);
}

void setScaleSetting(const char* value)
{
    if (value)
        setenv("TOLVO_SCALE", value, 1);
    else
        unsetenv("TOLVO_SCALE");
}

} // namespace tolvo
