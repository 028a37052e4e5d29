#include "tests/support/view/SystemResources.h"

#include <windows.h>

namespace tolvo {

long systemResourceCount()
{
    HANDLE process = GetCurrentProcess();
    return long(GetGuiResources(process, GR_GDIOBJECTS)) +
           long(GetGuiResources(process, GR_USEROBJECTS));
}

} // namespace tolvo
