// Text typed for a parameter, with any trim-range word: the host's typed-text
// opcode is not offered, and the editor's path (its value fields' text
// interface) keeps every value in range, turns switches off and shows a text
// that, typed back, shows the same.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor/PlugEd.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/InstanceChecks.h"

namespace tolvo {

namespace {

constexpr int kIndexChoices = kNumParams + 3; // one below and two above the table
constexpr float kStartValue = 0.7f;
constexpr double kMaxGainDecibels = 18.07;
// One step of "%6.2f", with room for the rounding of the law in float.
constexpr double kDisplayTolerance = 0.011;
// Below this the fader's linear gain is a float subnormal and loses digits.
constexpr double kLowestExactDecibels = -740.0;

std::string displayOf(Plug& plug, VstInt32 index)
{
    char text[64] = {};
    plug.getParameterDisplay(index, text);
    return text;
}

// The number a display text shows; false for "-oo".
bool decibelsOf(const std::string& text, double& decibels)
{
    if (text == "-oo")
        return false;
    decibels = text == "0" ? 0.0 : std::strtod(text.c_str(), nullptr);
    return true;
}

double trimRangeFor(int32_t word)
{
    static constexpr double kRanges[] = {12.0, 24.0, 36.0};
    return kRanges[word < 0 ? 0 : word % 3];
}

// The host's typed-text opcode answers 0 and touches neither the text nor
// the instance.
void checkHostOpcodeRefuses(Plug& plug, VstInt32 index, const std::string& text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    const std::vector<char> sent = buffer;
    const InstanceState before = stateOf(plug);
    AEffect* effect = plug.getAeffect();
    FUZZ_CHECK(effect->dispatcher(effect, effString2Parameter, index, 0, buffer.data(), 0.0f) == 0);
    FUZZ_CHECK(buffer == sent);
    FUZZ_CHECK(stateOf(plug) == before);
}

// What a value field types and shows: the editor's text interface.
StringValParameter& fieldsOf(Plug& plug)
{
    return *static_cast<PlugEd*>(plug.getEditor());
}

std::string fieldTextOf(Plug& plug, VstInt32 index)
{
    char text[64] = {};
    fieldsOf(plug).getStringValue(index, text);
    return text;
}

void checkTypedDecibels(Plug& plug, VstInt32 index, int32_t trimWord)
{
    const std::string shown = fieldTextOf(plug, index);
    FUZZ_CHECK(shown == displayOf(plug, index));
    double decibels = 0.0;
    if (!decibelsOf(shown, decibels)) {
        FUZZ_CHECK(index == kParamGain && plug.getParameter(index) == 0.0f);
        return;
    }
    if (index == kParamGain)
        FUZZ_CHECK(decibels <= kMaxGainDecibels);
    else
        FUZZ_CHECK(std::fabs(decibels) <= trimRangeFor(trimWord) + kDisplayTolerance);
    if (decibels < kLowestExactDecibels)
        return;
    fieldsOf(plug).setStringValue(index, shown.c_str());
    double again = 0.0;
    if (FUZZ_CHECK(decibelsOf(fieldTextOf(plug, index), again)))
        FUZZ_CHECK(std::fabs(again - decibels) <= kDisplayTolerance);
}

} // namespace

void fuzzParameterText(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const VstInt32 index = static_cast<VstInt32>(input.byte() % kIndexChoices) - 1;
    const int32_t trimWord = static_cast<int8_t>(input.byte());
    const std::vector<uint8_t> raw = input.rest();
    const std::string text(raw.begin(), raw.end());

    // The range word first: a trim range takes effect at the next change.
    Plug plug(nullptr, PlugEd::create);
    plug.getSettings()->set(kSettingTrimRange, trimWord);
    for (VstInt32 other = 0; other < kNumParams; ++other)
        plug.setParameter(other, kStartValue);
    checkHostOpcodeRefuses(plug, index, text);

    const InstanceState before = stateOf(plug);
    fieldsOf(plug).setStringValue(index, text.c_str());
    const InstanceState after = stateOf(plug);
    FUZZ_CHECK(after.settings == before.settings);
    for (VstInt32 other = 0; other < kNumParams; ++other)
        if (other != index)
            FUZZ_CHECK(after.parameterBits[other] == before.parameterBits[other]);
    if (index == kParamGain || index == kParamTrim)
        checkTypedDecibels(plug, index, trimWord);
    else if (isParameterIndex(index))
        FUZZ_CHECK(after.parameterBits[index] == 0u);
    checkInstance(plug);
}

} // namespace tolvo
