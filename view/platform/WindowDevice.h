#pragma once

#include "view/CPoint.h"

namespace gui {

// A window's own drawing device for a context made on the window alone (a
// device context on Windows). X11 windows have none: the answer is none there.
void* acquireWindowDevice(void* window);
void releaseWindowDevice(void* window, void* device);

// The window's top-left corner on the screen; (0, 0) where unknown.
CPoint windowScreenOffset(void* window);

} // namespace gui
