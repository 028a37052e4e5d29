// The Gain parameter's law, shared by the engine and the fader: linear gain
// 8·v³ for the normalized value v (0.5 is 0 dB, 1.0 is +18.06 dB). The fader
// works in level = gain / 8 = v³, which runs 0..1.
#pragma once

// The linear gain at the top of the travel, v = 1.
inline constexpr float kTopGain = 8.0f;

// 8·v³, multiplied in this order (the engine's results are compared exactly).
float gainFromNormalized(float value);
// Normalized Gain for a linear gain; 0 for zero and negative gains, NaN kept.
float normalizedFromGain(float gain);
// Linear gain for a dB value.
float gainFromDecibels(float decibels);

// v³, in the precision of the argument.
inline float levelFromNormalized(float value)
{
    return value * value * value;
}
inline double levelFromNormalized(double value)
{
    return value * value * value;
}
// factor·v³, multiplied left to right from the factor.
inline double scaledLevel(double factor, float value)
{
    return factor * value * value * value;
}
// The cube root of a level, taken in double.
float normalizedFromLevel(float level);
inline double gainFromLevel(double level)
{
    return double(kTopGain) * level;
}
inline double levelFromGain(double gain)
{
    return gain / double(kTopGain);
}
