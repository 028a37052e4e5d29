// What the window system shows the user, read back for tests: whether the
// pointer can be seen and where it is, and a host window hidden and shown
// again as hosts do; and the user's editor scale setting.
#pragma once

#include "view/CPoint.h"

namespace tolvo {

// Whether the pointer the window system draws has any visible pixel.
bool pointerVisible();
// The pointer's place on the screen.
gui::CPoint pointerOnScreen();
// The pointer relative to the top-left corner of a window's inside.
gui::CPoint pointerInWindow(void* window);
// Hides (unmaps) or shows (maps) a top-level window and waits until the
// window system has done it.
void showWindow(void* window, bool shown);
// Sets the process's TOLVO_SCALE, which the next editor opened reads; null
// removes it.
void setScaleSetting(const char* value);

} // namespace tolvo
