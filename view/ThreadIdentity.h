#pragma once

#include <cstdint>

namespace gui {

// A number naming the calling thread, never 0. It is read without a system
// call or an allocation, so the audio thread may ask for it too.
uintptr_t currentThreadId();

} // namespace gui
