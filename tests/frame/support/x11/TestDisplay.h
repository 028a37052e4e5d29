// Opens a connection to the test display, trying again when the server,
// busy with the clients that come and go in these tests, refuses one.
#pragma once

#include <X11/Xlib.h>
#include <unistd.h>

namespace tolvo {

inline Display* openTestDisplay()
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        usleep(10000);
    }
    return nullptr;
}

} // namespace tolvo
