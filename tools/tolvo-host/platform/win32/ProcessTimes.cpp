#include "tools/tolvo-host/ProcessTimes.h"

#include <windows.h>

namespace tolvo {

namespace {

// FILETIME durations count 100-nanosecond units.
double secondsOf(const FILETIME& time)
{
    ULARGE_INTEGER units;
    units.LowPart = time.dwLowDateTime;
    units.HighPart = time.dwHighDateTime;
    return double(units.QuadPart) * 1e-7;
}

} // namespace

double processCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0.0;
    return secondsOf(kernel) + secondsOf(user);
}

} // namespace tolvo
