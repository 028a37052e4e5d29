// dB texts: one rule for the two-decimal form, the unity and silence words.
#include "rules/LevelText.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kUnityTolerance = 0.0005;

bool fits(const char* text, size_t capacity)
{
    return text && capacity > 0;
}

void writeTwoDecimals(float linear, char* text, size_t capacity)
{
    std::snprintf(text, capacity, "%6.2f", decibelsFromGain(linear));
}

} // namespace

double decibelsFromGain(float linear)
{
    return 20.0 * static_cast<double>(std::log10(linear));
}

void formatDecibels(float linear, char* text, size_t capacity)
{
    if (!fits(text, capacity))
        return;
    if (!(linear > 0.0f))
        std::snprintf(text, capacity, "-oo");
    else if (std::fabs(static_cast<double>(linear) - 1.0) < kUnityTolerance)
        std::snprintf(text, capacity, "0");
    else
        writeTwoDecimals(linear, text, capacity);
}

void formatLevel(float linear, char* text, size_t capacity)
{
    if (!fits(text, capacity))
        return;
    if (linear > 0.0f)
        writeTwoDecimals(linear, text, capacity);
    else
        std::snprintf(text, capacity, "-");
}

void formatWholeDecibels(double decibels, char* text, size_t capacity)
{
    if (fits(text, capacity))
        std::snprintf(text, capacity, "%-.0f", decibels);
}
