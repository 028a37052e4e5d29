#include "engine/Ballistics.h"

#include <cmath>

namespace {

// Per mode: the attack reaches all but attackShortfall of a step in
// attackSeconds; the release falls to releaseLevel in releaseSeconds.
struct BallisticsRow {
    double attackShortfall;
    double attackSeconds;
    double releaseLevel;
    double releaseSeconds;
};

constexpr BallisticsRow kBallistics[kNumBallistics] = {
    {0.01, 0.001, 0.1, 0.3},
    {0.2, 0.005, 0.1, 1.5},
    {0.1, 0.3, 0.9, 0.3},
    {0.2, 0.01, 0.0631, 2.8},
};

} // namespace

MeterCoefficients ballisticsCoefficients(int mode, double sampleRate)
{
    const BallisticsRow& row = kBallistics[mode];
    MeterCoefficients coefficients;
    coefficients.attack =
        1.0 - std::pow(row.attackShortfall, 1.0 / (sampleRate * row.attackSeconds));
    coefficients.release = std::pow(row.releaseLevel, 1.0 / (sampleRate * row.releaseSeconds));
    if (mode == kDigitalPpm)
        coefficients.attack = 1.0;
    return coefficients;
}

void BallisticsTable::setSampleRate(double sampleRate)
{
    for (int mode = 0; mode < kNumBallistics; ++mode) {
        const MeterCoefficients computed = ballisticsCoefficients(mode, sampleRate);
        attack[mode].store(computed.attack, std::memory_order_relaxed);
        release[mode].store(computed.release, std::memory_order_relaxed);
    }
}

MeterCoefficients BallisticsTable::coefficients(int mode) const
{
    return {attack[mode].load(std::memory_order_relaxed),
            release[mode].load(std::memory_order_relaxed)};
}
