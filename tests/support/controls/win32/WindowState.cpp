#include "tests/support/controls/WindowState.h"

#include <windows.h>

namespace tolvo {

// The display counter of ShowCursor: the pointer shows while it is 0 or more.
bool pointerShown()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count >= 0;
}

// Under wine, Shift, Ctrl and Alt sent with SendInput to these test windows
// have not been seen in their mouse messages (the frame tests' single
// Shift press aside); the modifier gestures are covered by direct calls.
bool syntheticModifiersReachMouseEvents()
{
    return false;
}

} // namespace tolvo
