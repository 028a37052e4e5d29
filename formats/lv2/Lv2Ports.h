// The ports of the LV2 edition, in the order of its description, and the conversions between
// port values (dB, toggles, dBFS) and the instance's normalized parameters.
#pragma once

#include <cstdint>

#include "engine/ParameterTable.h"

enum Lv2Port : uint32_t {
    kPortIn = 0,
    kPortOut,
    kPortGain,
    kPortTrim,
    kPortPhase,
    kPortMute,
    kPortBypass,
    kPortInputLevel,
    kPortOutputLevel,
    kPortInputRms,
    kPortOutputRms,
    kNumPorts
};

// The five control inputs follow the parameters in their order.
inline constexpr uint32_t kFirstParameterPort = kPortGain;

inline uint32_t portOfParameter(VstInt32 index)
{
    return kFirstParameterPort + static_cast<uint32_t>(index);
}

inline bool isParameterPort(uint32_t port)
{
    return port >= kFirstParameterPort && port < kFirstParameterPort + kNumParams;
}

inline VstInt32 parameterOfPort(uint32_t port)
{
    return static_cast<VstInt32>(port - kFirstParameterPort);
}

// The lowest reading of the dB ports; the Gain port's −∞.
inline constexpr float kSilenceDecibels = -90.0f;

// The normalized parameter for a port value: Gain through the gain law (−90 dB and below is
// silence), Trim clamped to the trim range of the choice 0..2, switches on from 0.5. A NaN
// port value gives NaN, which the instance refuses.
float normalizedFromPort(VstInt32 index, float portValue, int trimRangeChoice);
// The port value of a normalized parameter, the other way through the same laws.
float portFromNormalized(VstInt32 index, float normalized, int trimRangeChoice);
// A meter's linear amplitude in dBFS, reading the lowest value below it.
float levelPortValue(double amplitude);
