// When the Mute and Bypass lamps change their flash phase.
#pragma once

#include <cstdint>

namespace lampFlash {

constexpr uint32_t kPhaseMilliseconds = 300;

// True once more than a phase has passed since the last change. The
// difference is taken in unsigned 32 bits, so it stays right when the tick
// count wraps.
constexpr bool phaseIsDue(uint32_t nowTicks, uint32_t lastChangeTicks)
{
    return static_cast<uint32_t>(nowTicks - lastChangeTicks) > kPhaseMilliseconds;
}

} // namespace lampFlash
