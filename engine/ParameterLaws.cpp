#include "engine/ParameterLaws.h"

#include <cmath>
#include <cstdio>

#include "host/TextCopy.h"

float gainFromNormalized(float value)
{
    return 8.0f * value * value * value;
}

float normalizedFromGain(float gain)
{
    if (std::isnan(gain))
        return gain;
    if (gain <= 0.0f)
        return 0.0f;
    return static_cast<float>(std::cbrt(static_cast<double>(gain * 0.125f)));
}

float gainFromDecibels(float decibels)
{
    return static_cast<float>(std::pow(10.0, static_cast<double>(decibels) / 20.0));
}

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

void formatDecibels(float linear, char* text, size_t capacity)
{
    if (!(linear > 0.0f)) {
        copyText(text, "-oo", capacity);
        return;
    }
    if (std::fabs(static_cast<double>(linear) - 1.0) < 0.0005) {
        copyText(text, "0", capacity);
        return;
    }
    std::snprintf(text, capacity, "%6.2f", 20.0 * static_cast<double>(std::log10(linear)));
}

float typedNumber(const char* text)
{
    float number = 0.0f;
    if (!text || std::sscanf(text, "%f", &number) != 1)
        return 0.0f;
    return number;
}
