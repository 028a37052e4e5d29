// A count of the window-system resources the process holds: GDI and USER
// objects on Windows, open file descriptors (each display connection is one)
// on Linux. Leaked windows, connections or brushes make it grow.
#pragma once

namespace tolvo {

long systemResourceCount();

} // namespace tolvo
