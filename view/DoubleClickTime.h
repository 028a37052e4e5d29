#pragma once

#include <cstdint>

namespace gui {

// The system's double-click time in milliseconds.
int32_t systemDoubleClickTime();

} // namespace gui
