// The window class of the frames' windows: "Plugin%p" with the module handle,
// registered by the first frame and unregistered when the last one goes.
#pragma once

#include <windows.h>

namespace gui {

class WindowClass {
public:
    // Registers (or counts one more use of) the class; its name, or null.
    static const wchar_t* acquire(WNDPROC procedure);
    static void release();
    // The system's swapped-buttons setting, read at the first registration.
    static bool buttonsSwapped();
};

} // namespace gui
