// Linked ahead of the core, this double-click time takes the place of the
// platform's. The window host on Linux pairs presses within it: long, so a
// double click a test means pairs however loaded the machine. Tests keep other
// presses apart by place, never by waiting (on Windows the system pairs
// presses by its own setting).
#include "view/DoubleClickTime.h"

namespace gui {

namespace {

constexpr int32_t kTestDoubleClickTime = 5000;

} // namespace

int32_t systemDoubleClickTime()
{
    return kTestDoubleClickTime;
}

} // namespace gui
