#include "tools/tolvo-host/ProcessTimes.h"

#include <sys/resource.h>

namespace tolvo {

namespace {

double secondsOf(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) * 1e-6;
}

} // namespace

double processCpuSeconds()
{
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0.0;
    return secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
}

} // namespace tolvo
