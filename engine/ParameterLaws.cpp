#include "engine/ParameterLaws.h"

#include <cmath>
#include <cstdio>

float trimRangeDecibels(int choice)
{
    static constexpr float kRanges[] = {12.0f, 24.0f, 36.0f};
    return kRanges[choice];
}

float trimFromNormalized(float value, float rangeDecibels)
{
    const float exponent = ((2.0f * value - 1.0f) * rangeDecibels) / 20.0f;
    return static_cast<float>(std::pow(10.0, static_cast<double>(exponent)));
}

float normalizedFromTrimDecibels(float decibels, float rangeDecibels)
{
    return (rangeDecibels + decibels) / (2.0f * rangeDecibels);
}

float typedNumber(const char* text)
{
    float number = 0.0f;
    if (!text || std::sscanf(text, "%f", &number) != 1)
        return 0.0f;
    return number;
}
