// The meters' sample count stops at the largest 32-bit value instead of
// wrapping when nothing reads the meters for a very long time.
#pragma once

#include <cstdint>

// count + n for n >= 0, held at INT32_MAX.
inline int32_t saturatingAdd(int32_t count, int32_t n)
{
    return count > INT32_MAX - n ? INT32_MAX : count + n;
}
