#include "view/TickCount.h"

#include <windows.h>

namespace gui {

uint32_t systemTickCount()
{
    return GetTickCount();
}

} // namespace gui
