// The pointer as the dragging controls use it: read at a drag's start and put
// back at its end, in screen coordinates. Hiding it belongs to the frame's
// window (PlatformWindow::hidePointer).
#pragma once

#include <cstdint>

namespace gui {

bool getCursorPosition(int32_t& x, int32_t& y);
void setCursorPosition(int32_t x, int32_t y);

} // namespace gui
