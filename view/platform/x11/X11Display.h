// Opens a connection to the display named by DISPLAY.
#pragma once

#include <X11/Xlib.h>

namespace gui {

// A server busy with other clients now and then refuses a connection (reset,
// or try again); a second attempt a moment later succeeds. Null when none
// answers.
Display* openX11Display();

} // namespace gui
