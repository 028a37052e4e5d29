#include "view/platform/x11/X11ErrorHandler.h"

#include <algorithm>
#include <vector>

namespace gui {

namespace {

struct Connection {
    Display* display;
    bool failed;
};

std::vector<Connection> connections;
XErrorHandler previousHandler = nullptr;

int handleError(Display* display, XErrorEvent* event)
{
    for (Connection& connection : connections) {
        if (connection.display == display) {
            connection.failed = true;
            return 0;
        }
    }
    return previousHandler ? previousHandler(display, event) : 0;
}

} // namespace

void X11ErrorHandler::attach(Display* display)
{
    if (connections.empty())
        previousHandler = XSetErrorHandler(handleError);
    connections.push_back({display, false});
}

void X11ErrorHandler::detach(Display* display)
{
    connections.erase(
        std::remove_if(connections.begin(), connections.end(),
                       [display](const Connection& c) { return c.display == display; }),
        connections.end());
    if (!connections.empty())
        return;
    // Put the earlier handler back unless someone replaced ours meanwhile.
    XErrorHandler current = XSetErrorHandler(previousHandler);
    if (current != handleError)
        XSetErrorHandler(current);
    previousHandler = nullptr;
}

bool X11ErrorHandler::syncFailed(Display* display)
{
    XSync(display, False);
    for (Connection& connection : connections) {
        if (connection.display == display) {
            bool failed = connection.failed;
            connection.failed = false;
            return failed;
        }
    }
    return false;
}

} // namespace gui
