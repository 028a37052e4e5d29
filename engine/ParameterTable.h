// The five host parameters: their indices and the read-only table of names,
// labels and defaults that every instance starts from.
#pragma once

#include "host/PluginInterface.h"

enum ParameterIndex : VstInt32 {
    kParamGain = 0,
    kParamTrim,
    kParamPhase,
    kParamMute,
    kParamBypass,
    kNumParams
};

struct ParameterDefinition {
    const char* name;
    const char* label;
    float value;
    float derived;
};

inline constexpr ParameterDefinition kParameterTable[kNumParams] = {
    {"Gain", "dB", 0.5f, 1.0f},           {"Trim", "dB", 0.5f, 1.0f},
    {"Phase", "(Norm/Flip)", 0.0f, 0.0f}, {"Mute", "(Thru/Mute)", 0.0f, 0.0f},
    {"Bypass", "(Off/On)", 0.0f, 0.0f},
};

inline bool isParameterIndex(VstInt32 index)
{
    return index >= 0 && index < kNumParams;
}

// Phase, Mute and Bypass are on from the middle of their range upwards.
inline bool isSwitchOn(float value)
{
    return value >= 0.5f;
}
