#include "view/DoubleClickTime.h"

namespace gui {

// X11 has no system setting; the window host pairs presses within this time.
int32_t systemDoubleClickTime()
{
    return 500;
}

} // namespace gui
