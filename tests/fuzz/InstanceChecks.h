// Invariants an instance keeps whatever it was given: parameters finite in
// 0..1 and never negative zero, display texts within their buffers, a saved
// block that reads back unchanged, and bounded finite audio and meters.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "editor/PlugEd.h"
#include "engine/Plug.h"

namespace tolvo {

// The parameter words as bits, and the settings words.
struct InstanceState {
    std::array<uint32_t, kNumParams> parameterBits{};
    SettingsWords settings{};

    bool operator==(const InstanceState& other) const
    {
        return parameterBits == other.parameterBits && settings == other.settings;
    }
    bool operator!=(const InstanceState& other) const { return !(*this == other); }
};

InstanceState stateOf(Plug& plug);

// Fader +18.06 dB times trim +36 dB, the largest gain the stage can reach.
inline constexpr double kLargestGain = 8.0 * 63.0958;

// A sine of the given step per sample, in float and the same samples in double.
struct TestSignal {
    std::vector<float> floats;
    std::vector<double> doubles;
};
TestSignal testSignal(int frames, double step);

// The byte-order rule of a restored block, by bit patterns: a parameter word
// with every exponent bit set (infinity or NaN), or negative zero, marks the
// block as written in the other byte order.
bool looksForeign(const uint32_t (&words)[14]);

// What a parameter holds after the instance was given value, when it held
// previousBits before: NaN is refused, the rest clamped to 0..1 with +0.0.
uint32_t expectedParameterBits(float value, uint32_t previousBits);

void checkParameters(Plug& plug);
void checkDisplays(Plug& plug);
void checkSavedBlock(Plug& plug);
void checkProcessing(Plug& plug);
// All four.
void checkInstance(Plug& plug);

} // namespace tolvo
