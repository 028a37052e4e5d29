// Counts every operator new of the test program while armed; linking the source replaces the
// program's global operator new and delete.
#pragma once

namespace tolvo {

void armAllocationCounter();
// Disarms and returns the allocations counted since arming.
long disarmAllocationCounter();

} // namespace tolvo
