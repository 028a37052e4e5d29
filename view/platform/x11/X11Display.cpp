#include "view/platform/x11/X11Display.h"

#include <unistd.h>

namespace gui {

Display* openX11Display()
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        usleep(10000);
    }
    return nullptr;
}

} // namespace gui
