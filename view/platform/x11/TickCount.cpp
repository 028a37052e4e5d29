#include "view/TickCount.h"

#include <ctime>

namespace gui {

// CLOCK_MONOTONIC in milliseconds, cut to 32 bits like the Windows count.
uint32_t systemTickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    auto milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(milliseconds);
}

} // namespace gui
