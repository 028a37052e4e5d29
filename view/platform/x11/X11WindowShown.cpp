// Whether the frame's window on Linux can be seen: hosts often hide a plug-in
// window rather than close it, and a window nobody sees is not painted. The
// map state is followed from the structure events of the window and of the
// windows around it, so a paint asks the server nothing.
#include <algorithm>

#include "view/platform/x11/X11Window.h"

namespace gui {

bool X11Window::readyToPaint()
{
    if (!ancestorsKnown)
        watchAncestors();
    if (!mappedKnown) {
        XWindowAttributes attributes{};
        mapped = XGetWindowAttributes(display, window, &attributes) &&
                 attributes.map_state == IsViewable;
        mappedKnown = true;
    }
    if (!mapped || fullyObscured) {
        paintSkipped = true;
        return false;
    }
    if (paintSkipped) {
        paintSkipped = false;
        invalidRect(CRect(0, 0, width, height));
    }
    return true;
}

void X11Window::followStructure(const XEvent& event)
{
    if (event.type != MapNotify && event.type != UnmapNotify && event.type != ReparentNotify)
        return;
    const Window about = event.xany.window;
    if (about != window && std::find(ancestors.begin(), ancestors.end(), about) == ancestors.end())
        return;
    mappedKnown = false;
    if (event.type == ReparentNotify)
        ancestorsKnown = false;
}

void X11Window::watchAncestors()
{
    // Selecting on another client's window changes only this connection's
    // mask; the host's own selections stay as they are.
    ancestors.clear();
    Window current = window;
    for (;;) {
        Window root = None, parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, current, &root, &parent, &children, &count))
            break;
        if (children)
            XFree(children);
        if (parent == None || parent == root)
            break;
        XSelectInput(display, parent, StructureNotifyMask);
        ancestors.push_back(parent);
        current = parent;
    }
    ancestorsKnown = true;
}

} // namespace gui
