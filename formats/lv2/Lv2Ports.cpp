#include "formats/lv2/Lv2Ports.h"

#include <algorithm>
#include <cmath>

#include "engine/ParameterLaws.h"

namespace {

constexpr double kDecibelsPerDecade = 20.0;

float decibelsOf(double linear)
{
    if (!(linear > 0.0))
        return kSilenceDecibels;
    return std::max(kSilenceDecibels, static_cast<float>(kDecibelsPerDecade * std::log10(linear)));
}

float switchValue(float value)
{
    return isSwitchOn(value) ? 1.0f : 0.0f;
}

} // namespace

float normalizedFromPort(VstInt32 index, float portValue, int trimRangeChoice)
{
    switch (index) {
    case kParamGain:
        if (portValue <= kSilenceDecibels)
            return 0.0f;
        return normalizedFromGain(gainFromDecibels(portValue));
    case kParamTrim: {
        const float range = trimRangeDecibels(trimRangeChoice);
        if (std::isnan(portValue))
            return portValue;
        return normalizedFromTrimDecibels(std::clamp(portValue, -range, range), range);
    }
    default:
        return switchValue(portValue);
    }
}

float portFromNormalized(VstInt32 index, float normalized, int trimRangeChoice)
{
    switch (index) {
    case kParamGain:
        return decibelsOf(gainFromNormalized(normalized));
    case kParamTrim:
        return decibelsOf(trimFromNormalized(normalized, trimRangeDecibels(trimRangeChoice)));
    default:
        return switchValue(normalized);
    }
}

float levelPortValue(double amplitude)
{
    return decibelsOf(amplitude);
}
