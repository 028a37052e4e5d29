#include "tests/controls/support/PointerShown.h"

#include <windows.h>

namespace controltest {

// The display counter of ShowCursor: the pointer shows while it is 0 or more.
bool pointerShown()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count >= 0;
}

} // namespace controltest
