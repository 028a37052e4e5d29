#include "tests/fuzz/InstanceChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/engine/ChunkWords.h"

namespace tolvo {

namespace {

constexpr uint32_t kExponentBits = 0x7F800000u;
constexpr uint32_t kNegativeZeroBits = 0x80000000u;
constexpr size_t kDisplayCapacity = 12;
constexpr unsigned char kUntouched = 0xA5;
constexpr int kBlockFrames = 64;

bool isZeroTerminatedWithin(const char* text, size_t capacity)
{
    return std::memchr(text, '\0', capacity) != nullptr;
}

// A display text of Gain or Trim: "-oo", "0" or a number in "%6.2f".
bool isDecibelText(const char* text)
{
    if (std::strcmp(text, "-oo") == 0 || std::strcmp(text, "0") == 0)
        return true;
    char* end = nullptr;
    const double decibels = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(decibels) && std::strlen(text) >= 6;
}

template <typename Sample>
bool isBounded(const std::vector<Sample>& in, const std::vector<Sample>& out)
{
    for (size_t i = 0; i < in.size(); ++i) {
        const double limit = kLargestGain * std::fabs(static_cast<double>(in[i])) + 1e-30;
        if (!std::isfinite(static_cast<double>(out[i])) ||
            std::fabs(static_cast<double>(out[i])) > limit)
            return false;
    }
    return true;
}

} // namespace

bool looksForeign(const uint32_t (&words)[14])
{
    for (int index = 0; index < kNumParams; ++index)
        if ((words[index] & kExponentBits) == kExponentBits || words[index] == kNegativeZeroBits)
            return true;
    return false;
}

uint32_t expectedParameterBits(float value, uint32_t previousBits)
{
    if (std::isnan(value))
        return previousBits;
    if (value > 1.0f)
        return floatBits(1.0f);
    if (value <= 0.0f)
        return 0u;
    return floatBits(value);
}

TestSignal testSignal(int frames, double step)
{
    TestSignal signal;
    for (int i = 0; i < frames; ++i) {
        signal.floats.push_back(static_cast<float>(std::sin(step * i)));
        signal.doubles.push_back(signal.floats.back());
    }
    return signal;
}

InstanceState stateOf(Plug& plug)
{
    InstanceState state;
    for (VstInt32 index = 0; index < kNumParams; ++index)
        state.parameterBits[index] = floatBits(plug.getParameter(index));
    state.settings = plug.getSettings()->snapshot();
    return state;
}

void checkParameters(Plug& plug)
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        const float value = plug.getParameter(index);
        FUZZ_CHECK(value >= 0.0f && value <= 1.0f);
        FUZZ_CHECK(floatBits(value) != kNegativeZeroBits);
    }
    FUZZ_CHECK(plug.getParameter(-1) == 0.0f && plug.getParameter(kNumParams) == 0.0f);
}

void checkDisplays(Plug& plug)
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        char text[64];
        std::memset(text, kUntouched, sizeof(text));
        plug.getParameterDisplay(index, text);
        if (!FUZZ_CHECK(isZeroTerminatedWithin(text, kDisplayCapacity)))
            continue;
        for (size_t at = kDisplayCapacity; at < sizeof(text); ++at)
            FUZZ_CHECK(static_cast<unsigned char>(text[at]) == kUntouched);
        FUZZ_CHECK(text[0] != '\0');
        if (index == kParamGain || index == kParamTrim)
            FUZZ_CHECK(isDecibelText(text));
    }
}

void checkSavedBlock(Plug& plug)
{
    void* data = nullptr;
    if (!FUZZ_CHECK(plug.getChunk(&data, false) == 56) || !FUZZ_CHECK(data != nullptr))
        return;
    uint32_t words[14];
    std::memcpy(words, data, sizeof(words));
    FUZZ_CHECK(!looksForeign(words));
    for (VstInt32 index = 0; index < kNumParams; ++index)
        FUZZ_CHECK(words[index] == floatBits(plug.getParameter(index)));
    const SettingsWords settings = plug.getSettings()->snapshot();
    for (int word = 0; word < kNumSettings; ++word)
        FUZZ_CHECK(static_cast<int32_t>(words[7 + word]) == settings[word]);

    // A fresh instance given the block saves the very same block.
    Plug copy(nullptr, PlugEd::create);
    uint32_t given[14];
    std::memcpy(given, words, sizeof(given));
    FUZZ_CHECK(copy.setChunk(given, 56, true) == 56);
    FUZZ_CHECK(stateOf(copy) == stateOf(plug));
    void* again = nullptr;
    if (FUZZ_CHECK(copy.getChunk(&again, true) == 56))
        FUZZ_CHECK(std::memcmp(again, words, sizeof(words)) == 0);
}

void checkProcessing(Plug& plug)
{
    TestSignal signal = testSignal(kBlockFrames, 0.3);
    std::vector<float>& in = signal.floats;
    std::vector<double>& doubleIn = signal.doubles;
    std::vector<float> out(kBlockFrames, 0.0f);
    std::vector<double> doubleOut(kBlockFrames, 0.0);
    float* inputs[] = {in.data()};
    float* outputs[] = {out.data()};
    double* doubleInputs[] = {doubleIn.data()};
    double* doubleOutputs[] = {doubleOut.data()};

    plug.processReplacing(inputs, outputs, kBlockFrames);
    FUZZ_CHECK(isBounded(in, out));
    plug.processDoubleReplacing(doubleInputs, doubleOutputs, kBlockFrames);
    FUZZ_CHECK(isBounded(doubleIn, doubleOut));
    std::fill(out.begin(), out.end(), 0.0f);
    plug.process(inputs, outputs, kBlockFrames);
    FUZZ_CHECK(isBounded(in, out));

    MeterReadout readout{};
    if (FUZZ_CHECK(plug.getMeters(&readout)))
        for (double value : readout.values)
            FUZZ_CHECK(value >= 0.0 && value <= kLargestGain);
}

void checkInstance(Plug& plug)
{
    checkParameters(plug);
    checkDisplays(plug);
    checkSavedBlock(plug);
    checkProcessing(plug);
}

} // namespace tolvo
