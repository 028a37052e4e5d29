#include "engine/Plug.h"

#include <cmath>
#include <cstring>

#include "engine/ParameterLaws.h"
#include "engine/PreferencesFile.h"
#include "engine/Version.h"
#include "host/TextCopy.h"

namespace {

constexpr VstInt32 kNumPrograms = 1;
constexpr VstInt32 kUniqueId = fourCharCode('T', 'l', 'v', 'M');
constexpr VstInt32 kVendorVersion = kVersionNumber;
constexpr size_t kParameterTextCapacity = 12;
constexpr auto relaxed = std::memory_order_relaxed;

} // namespace

Plug::Plug(audioMasterCallback audioMaster, EditorFactory createEditor)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams)
{
    ballisticsTable.setSampleRate(getSampleRate());
    PreferencesFile::loadDefaults(settings);
    PlugSettings fileDefaults;
    PreferencesFile::loadDefaults(fileDefaults);
    const SettingsWords chunkSettings = fileDefaults.snapshot();
    std::memcpy(chunk.settings, chunkSettings.data(), sizeof(chunk.settings));

    programs.reset(new PlugProgram[kNumPrograms]);
    for (VstInt32 program = 0; program < kNumPrograms; ++program) {
        copyText(programs[program].name, "None", sizeof(programs[program].name));
        for (VstInt32 index = 0; index < kNumParams; ++index)
            programs[program].values[index].store(kParameterTable[index].value, relaxed);
    }
    setProgram(0);

    setNumInputs(1);
    setNumOutputs(1);
    canProcessReplacing(true);
    canDoubleReplacing(true);

    for (VstInt32 index = 0; index < kNumParams; ++index) {
        PlugParameter& parameter = parameters[index];
        copyText(parameter.name, kParameterTable[index].name, sizeof(parameter.name));
        copyText(parameter.label, kParameterTable[index].label, sizeof(parameter.label));
        parameter.value.store(kParameterTable[index].value, relaxed);
        parameter.derived.store(kParameterTable[index].derived, relaxed);
    }

    currentGain.store(1.0, relaxed);
    targetGain.store(1.0, relaxed);
    meters.setCoefficients({1.0, 0.1});
    meters.clear();

    programsAreChunks(true);
    setUniqueID(kUniqueId);
    updateDerived();
    lastRefreshTime = 0.0;
    processingClock = 0.0;
    if (createEditor)
        editorLink = createEditor(this);
}

// An open editor window goes first, while the instance it reaches is whole.
Plug::~Plug()
{
    if (editor)
        editor->close();
}

void Plug::notifyEditor(VstInt32 index, float value)
{
    if (editorLink)
        editorLink->parameterChanged(index, value);
}

float Plug::parameterValue(VstInt32 index) const
{
    return parameters[index].value.load(relaxed);
}

float Plug::derivedValue(VstInt32 index) const
{
    return parameters[index].derived.load(relaxed);
}

void Plug::setParameter(VstInt32 index, float value)
{
    // A NaN would poison the target gain for good, so it is not taken.
    if (!isParameterIndex(index) || std::isnan(value))
        return;
    // Negative zero is stored as +0.0 too: a saved block holding its bits
    // would read as foreign byte order and come back byte-reversed.
    if (value <= 0.0f)
        value = 0.0f;
    if (value > 1.0f)
        value = 1.0f;
    parameters[index].value.store(value, relaxed);
    programs[curProgram].values[index].store(value, relaxed);
    updateDerived();
    notifyEditor(index, value);
}

float Plug::getParameter(VstInt32 index)
{
    return isParameterIndex(index) ? parameterValue(index) : 0.0f;
}

void Plug::updateDerived()
{
    const float gain = gainFromNormalized(parameterValue(kParamGain));
    const float range = trimRangeDecibels(settings.trimRange());
    const float trim = trimFromNormalized(parameterValue(kParamTrim), range);
    parameters[kParamGain].derived.store(gain, relaxed);
    parameters[kParamTrim].derived.store(trim, relaxed);
    for (VstInt32 index : {kParamPhase, kParamMute, kParamBypass})
        parameters[index].derived.store(parameterValue(index), relaxed);
    updateGainAndBallistics();
}

void Plug::getParameterName(VstInt32 index, char* text)
{
    if (isParameterIndex(index))
        copyText(text, parameters[index].name, sizeof(parameters[index].name));
}

void Plug::getParameterLabel(VstInt32 index, char* label)
{
    if (isParameterIndex(index))
        copyText(label, parameters[index].label, sizeof(parameters[index].label));
}

void Plug::getParameterDisplay(VstInt32 index, char* text)
{
    if (!isParameterIndex(index) || !text)
        return;
    const bool on = isSwitchOn(parameterValue(index));
    switch (index) {
    case kParamGain:
    case kParamTrim:
        formatDecibels(derivedValue(index), text, kParameterTextCapacity);
        break;
    case kParamPhase:
        copyText(text, on ? "Flip" : "Norm", kParameterTextCapacity);
        break;
    case kParamMute:
        copyText(text, on ? "Mute" : "Thru", kParameterTextCapacity);
        break;
    default:
        copyText(text, on ? "On" : "Off", kParameterTextCapacity);
        break;
    }
}

void Plug::setParameterValue(VstInt32 index, float value)
{
    setParameter(index, index == kParamGain ? normalizedFromGain(value) : value);
}

float Plug::getParameterValue(VstInt32 index)
{
    if (!isParameterIndex(index))
        return 0.0f;
    return index == kParamTrim ? parameterValue(index) : derivedValue(index);
}

void Plug::setParameterText(VstInt32 index, const char* text)
{
    switch (index) {
    case kParamGain:
        setParameterValue(kParamGain, gainFromDecibels(typedNumber(text)));
        break;
    case kParamTrim: {
        const float range = trimRangeDecibels(settings.trimRange());
        setParameterValue(kParamTrim, normalizedFromTrimDecibels(typedNumber(text), range));
        break;
    }
    default:
        setParameterValue(index, 0.0f);
        break;
    }
}

PlugSettings* Plug::getSettings()
{
    return &settings;
}

void Plug::setProgram(VstInt32 program)
{
    if (program < 0 || program >= kNumPrograms)
        return;
    curProgram = program;
    for (VstInt32 index = 0; index < kNumParams; ++index)
        parameters[index].value.store(programs[program].values[index].load(relaxed), relaxed);
    updateDerived();
    for (VstInt32 index = 0; index < kNumParams; ++index)
        notifyEditor(index, parameterValue(index));
}

void Plug::setProgramName(char* name)
{
    copyText(programs[curProgram].name, name, sizeof(programs[curProgram].name));
}

void Plug::getProgramName(char* name)
{
    copyText(name, programs[curProgram].name, kVstMaxProgNameLen);
}

bool Plug::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (index < 0 || index >= kNumPrograms)
        return false;
    copyText(text, programs[index].name, kVstMaxProgNameLen);
    return true;
}

bool Plug::getEffectName(char* name)
{
    copyText(name, "Tolvo", kVstMaxEffectNameLen);
    return true;
}

bool Plug::getVendorString(char* text)
{
    copyText(text, "Corvath", kVstMaxVendorStrLen);
    return true;
}

bool Plug::getProductString(char* text)
{
    copyText(text, "Tolvo", kVstMaxProductStrLen);
    return true;
}

VstInt32 Plug::getVendorVersion()
{
    return kVendorVersion;
}

VstInt32 Plug::getPlugCategory()
{
    return kPlugCategEffect;
}

float Plug::getParameterDefault(VstInt32 index)
{
    return isParameterIndex(index) ? kParameterTable[index].value : 0.0f;
}
