// Where the frame's window on Linux lies among the host's windows.
#include <cstdlib>

#include "view/platform/x11/X11Window.h"

namespace gui {

namespace {

// Parents whose size differs from the editor's by no more than this still
// belong to the editor's window.
constexpr int32_t kEnclosingSlack = 60;

bool geometryOf(Display* display, Window window, CRect& rect)
{
    Window root;
    int x = 0, y = 0;
    unsigned int w = 0, h = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, window, &root, &x, &y, &w, &h, &border, &depth))
        return false;
    rect = CRect(x, y, x + static_cast<int32_t>(w), y + static_cast<int32_t>(h));
    return true;
}

Window parentOf(Display* display, Window window)
{
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return None;
    if (children)
        XFree(children);
    return parent == root ? None : parent;
}

} // namespace

// The window that holds the editor: going up from this window, stop at a
// top-level window or at a parent whose size differs by more than 60 pixels.
CPoint X11Window::outerPosition() const
{
    CRect own;
    if (window == None || !geometryOf(display, window, own))
        return CPoint();
    Window current = window;
    CRect currentRect = own;
    for (;;) {
        Window parent = parentOf(display, current);
        CRect parentRect;
        if (parent == None || !geometryOf(display, parent, parentRect) ||
            std::abs(parentRect.width() - own.width()) > kEnclosingSlack ||
            std::abs(parentRect.height() - own.height()) > kEnclosingSlack)
            return currentRect.topLeft();
        current = parent;
        currentRect = parentRect;
    }
}

CRect X11Window::parentRect() const
{
    CRect rect;
    Window parent = window == None ? None : parentOf(display, window);
    if (parent != None)
        geometryOf(display, parent, rect);
    return rect;
}

} // namespace gui
