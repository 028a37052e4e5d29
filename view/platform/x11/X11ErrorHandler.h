// Keeps X protocol errors on the plug-in's own display connections from
// reaching Xlib's default handler, which would end the host's process. A host
// may destroy its window before it closes the editor; calls on the dead child
// window then fail harmlessly. Errors on other connections go to the handler
// that was installed before.
#pragma once

#include <X11/Xlib.h>

namespace gui {

class X11ErrorHandler {
public:
    static void attach(Display* display);
    static void detach(Display* display);
    // Waits for the server to process every request and answers whether any
    // of them failed since the last call.
    static bool syncFailed(Display* display);
};

} // namespace gui
