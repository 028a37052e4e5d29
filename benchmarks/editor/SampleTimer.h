// Times one piece of work many times, each run after an untimed preparation,
// and keeps the median and the mean of the runs in microseconds, and the
// median of the CPU time the calling thread spent in them. The median stays
// put while other processes take the CPU now and then; the mean shows what
// they cost; the CPU time leaves out waiting, for the X server above all.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <time.h>
#include <vector>

namespace tolvo {

struct Timing {
    double median = NAN;
    double mean = NAN;
    double cpuMedian = NAN;
};

inline double threadCpuMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The middle value (the mean of the middle two for an even count); NAN when
// any value is NAN or there is none.
inline double medianOf(std::vector<double> values)
{
    if (values.empty() ||
        std::any_of(values.begin(), values.end(), [](double v) { return std::isnan(v); }))
        return NAN;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

template <typename Prepare, typename Work>
Timing timeRuns(int runs, Prepare&& prepare, Work&& work)
{
    std::vector<double> micros;
    std::vector<double> cpuMicros;
    micros.reserve(size_t(runs));
    cpuMicros.reserve(size_t(runs));
    for (int run = 0; run < runs; ++run) {
        prepare();
        const double cpuStart = threadCpuMicros();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        cpuMicros.push_back(threadCpuMicros() - cpuStart);
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    Timing timing;
    if (micros.empty())
        return timing;
    timing.mean = std::accumulate(micros.begin(), micros.end(), 0.0) / double(micros.size());
    timing.median = medianOf(micros);
    timing.cpuMedian = medianOf(cpuMicros);
    return timing;
}

template <typename Work>
Timing timeRuns(int runs, Work&& work)
{
    return timeRuns(
        runs, [] {}, work);
}

} // namespace tolvo
