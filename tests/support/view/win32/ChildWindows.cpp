#include "tests/support/view/ChildWindows.h"

#include <windows.h>

namespace tolvo {

int childWindowCount(void* window)
{
    int count = 0;
    for (HWND child = GetWindow(static_cast<HWND>(window), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

} // namespace tolvo
