// This program's operator new, counted while armed, with one chosen allocation
// made to fail. Linking CountedAllocation.cpp replaces the program's global
// allocation functions (on Linux also those of the modules it loads).
#pragma once

#include <atomic>

namespace tolvo {

struct CountedAllocation {
    static std::atomic<bool> armed;
    // Allocations made while armed.
    static std::atomic<long> count;
    // The armed allocation that throws std::bad_alloc (1 the first), 0 for none.
    static std::atomic<long> failing;
    // Set when that allocation was reached.
    static std::atomic<bool> failed;
};

// Counts from zero with nothing made to fail.
void armAllocationCounter();
// Disarms and returns the allocations counted since arming.
long disarmAllocationCounter();

} // namespace tolvo
