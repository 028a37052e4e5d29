// The pointer as the dragging controls use it: hidden during a drag, read
// at its start and put back at its end, in screen coordinates.
#pragma once

#include <cstdint>

namespace gui {

// Hides (true) or shows (false) the pointer. Hides and shows count like a
// display counter: the pointer shows again after as many shows as hides.
void hideCursor(bool hide);
bool getCursorPosition(int32_t& x, int32_t& y);
void setCursorPosition(int32_t x, int32_t y);

} // namespace gui
