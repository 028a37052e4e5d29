#pragma once

#include <cstdint>

namespace gui {

// The system's millisecond tick count, wrapping at 32 bits.
uint32_t systemTickCount();

} // namespace gui
