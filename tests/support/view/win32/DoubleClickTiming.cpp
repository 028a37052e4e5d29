// Windows: the session's double-click time, which the system pairs presses
// by and the window host reads.
#include "tests/support/view/DoubleClickTiming.h"

#include <windows.h>

int32_t tolvo::setDoubleClickTime(int32_t milliseconds)
{
    const int32_t previous = static_cast<int32_t>(GetDoubleClickTime());
    SetDoubleClickTime(static_cast<UINT>(milliseconds));
    return previous;
}
