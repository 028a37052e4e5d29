#include "tools/tolvo-host/SweepingTone.h"

#include <cmath>
#include <cstddef>

namespace tolvo {

namespace {

constexpr double kToneHz = 1000.0;
constexpr double kSweepSeconds = 4.0;
constexpr double kSweepLowDb = -40.0;

} // namespace

std::vector<float> sweepingTone(float sampleRate)
{
    std::vector<float> samples(size_t(kSweepSeconds * sampleRate));
    const double twoPi = 2.0 * std::acos(-1.0);
    for (size_t i = 0; i < samples.size(); ++i) {
        double seconds = double(i) / sampleRate;
        double sweep = 0.5 - 0.5 * std::cos(twoPi * seconds / kSweepSeconds);
        double level = std::pow(10.0, kSweepLowDb * (1.0 - sweep) / 20.0);
        samples[i] = float(level * std::sin(twoPi * kToneHz * seconds));
    }
    return samples;
}

} // namespace tolvo
