// The meters' sample count stops at the largest 32-bit value instead of
// wrapping when nothing reads the meters for a very long time.
#pragma once

#include <cstdint>

inline int32_t saturatingIncrement(int32_t count)
{
    return count < INT32_MAX ? count + 1 : count;
}
