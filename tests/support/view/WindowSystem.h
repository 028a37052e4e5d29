// What the window system shows the user, read back for tests: whether the
// pointer can be seen and where it is, and a host window hidden and shown
// again as hosts do.
#pragma once

#include "view/CPoint.h"

namespace tolvo {

// Whether the pointer the window system draws has any visible pixel.
bool pointerVisible();
// The pointer's place on the screen.
gui::CPoint pointerOnScreen();
// Hides (unmaps) or shows (maps) a top-level window and waits until the
// window system has done it.
void showWindow(void* window, bool shown);

} // namespace tolvo
