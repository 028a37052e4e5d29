// Times one piece of work many times, each run after an untimed preparation,
// and keeps the median and the mean of the runs in microseconds. The median
// stays put while other processes take the CPU now and then; the mean shows
// what they cost.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <vector>

namespace tolvo {

struct Timing {
    double median = NAN;
    double mean = NAN;
};

template <typename Prepare, typename Work>
Timing timeRuns(int runs, Prepare&& prepare, Work&& work)
{
    std::vector<double> micros;
    micros.reserve(size_t(runs));
    for (int run = 0; run < runs; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    Timing timing;
    if (micros.empty())
        return timing;
    timing.mean = std::accumulate(micros.begin(), micros.end(), 0.0) / double(micros.size());
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    timing.median = micros[micros.size() / 2];
    return timing;
}

template <typename Work>
Timing timeRuns(int runs, Work&& work)
{
    return timeRuns(
        runs, [] {}, work);
}

} // namespace tolvo
