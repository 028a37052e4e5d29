#include "engine/Ballistics.h"

#include <cmath>

namespace {

// Per mode: the attack reaches 1 − p0 of a step in p1 seconds; the release
// falls to p2 in p3 seconds.
struct BallisticsRow {
    double p0;
    double p1;
    double p2;
    double p3;
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
    coefficients.attack = 1.0 - std::pow(row.p0, 1.0 / (sampleRate * row.p1));
    coefficients.release = std::pow(row.p2, 1.0 / (sampleRate * row.p3));
    if (mode == kDigitalPpm)
        coefficients.attack = 1.0;
    return coefficients;
}
