// The Gain law: the engine's parameter and the fader's travel both read it here.
#include "rules/GainLaw.h"

#include <cmath>

float gainFromNormalized(float value)
{
    return kTopGain * value * value * value;
}

float normalizedFromLevel(float level)
{
    return static_cast<float>(std::cbrt(static_cast<double>(level)));
}

float normalizedFromGain(float gain)
{
    if (std::isnan(gain))
        return gain;
    if (gain <= 0.0f)
        return 0.0f;
    return normalizedFromLevel(gain / kTopGain);
}

float gainFromDecibels(float decibels)
{
    return static_cast<float>(std::pow(10.0, static_cast<double>(decibels) / 20.0));
}
