#include "view/DoubleClickTime.h"

#include <windows.h>

namespace gui {

int32_t systemDoubleClickTime()
{
    return static_cast<int32_t>(GetDoubleClickTime());
}

} // namespace gui
