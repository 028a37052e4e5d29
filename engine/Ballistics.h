// The four meter ballistics and the envelope coefficients they give at a
// sample rate.
#pragma once

#include <atomic>

enum BallisticsMode : int { kDigitalPpm = 0, kPpm, kVu, kBbc, kNumBallistics };

struct MeterCoefficients {
    double attack;
    double release;
};

// Rise and fall of the mode's envelope at sampleRate Hz.
MeterCoefficients ballisticsCoefficients(int mode, double sampleRate);

// The coefficients of every mode at the current sample rate, computed when the
// rate changes so that the gain loop's refresh only looks them up. Written on
// the thread that sets the rate, read on any.
class BallisticsTable {
public:
    void setSampleRate(double sampleRate);
    MeterCoefficients coefficients(int mode) const;

private:
    std::atomic<double> attack[kNumBallistics] = {};
    std::atomic<double> release[kNumBallistics] = {};
};
