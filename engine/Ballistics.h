// The four meter ballistics and the envelope coefficients they give at a
// sample rate.
#pragma once

enum BallisticsMode : int { kDigitalPpm = 0, kPpm, kVu, kBbc, kNumBallistics };

struct MeterCoefficients {
    double attack;
    double release;
};

// Rise and fall of the mode's envelope at sampleRate Hz.
MeterCoefficients ballisticsCoefficients(int mode, double sampleRate);
