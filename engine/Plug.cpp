#include "engine/Plug.h"

#include "host/TextCopy.h"

namespace {
constexpr VstInt32 kNumPrograms = 1;
constexpr VstInt32 kNumParams = 5;
constexpr VstInt32 kUniqueId = fourCharCode('T', 'l', 'v', 'M');
constexpr VstInt32 kVendorVersion = 3020;
constexpr float kParameterDefaults[kNumParams] = {0.5f, 0.5f, 0.0f, 0.0f, 0.0f};
} // namespace

Plug::Plug(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, kNumPrograms, kNumParams)
{
    setNumInputs(1);
    setNumOutputs(1);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    programsAreChunks(true);
    setUniqueID(kUniqueId);
}

Plug::~Plug() = default;

void Plug::processReplacing(float**, float**, VstInt32) {}

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
    return kParameterDefaults[index];
}
