#include "host/AudioEffect.h"

#include <cstring>

namespace {

AudioEffect* instanceOf(AEffect* effect)
{
    return effect ? static_cast<AudioEffect*>(effect->object) : nullptr;
}

// Runs an entry's work on the instance; no exception unwinds into the host's
// frames: a call that throws answers the fallback.
template <typename Result, typename Work>
Result guarded(AEffect* effect, Result fallback, Work work)
{
    AudioEffect* instance = instanceOf(effect);
    if (!instance)
        return fallback;
    try {
        return work(*instance);
    } catch (...) {
        return fallback;
    }
}

VstIntPtr dispatchEntry(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                        void* ptr, float opt)
{
    if (opcode == effClose) {
        AudioEffect* instance = instanceOf(effect);
        if (!instance)
            return 0;
        guarded(effect, VstIntPtr(0), [&](AudioEffect& closing) {
            return closing.dispatcher(opcode, index, value, ptr, opt);
        });
        delete instance;
        return 1;
    }
    return guarded(effect, VstIntPtr(0), [&](AudioEffect& instance) {
        return instance.dispatcher(opcode, index, value, ptr, opt);
    });
}

void processEntry(AEffect* effect, float** inputs, float** outputs, VstInt32 sampleFrames)
{
    guarded(effect, 0, [&](AudioEffect& instance) {
        instance.process(inputs, outputs, sampleFrames);
        return 0;
    });
}

void processReplacingEntry(AEffect* effect, float** inputs, float** outputs, VstInt32 sampleFrames)
{
    guarded(effect, 0, [&](AudioEffect& instance) {
        instance.processReplacing(inputs, outputs, sampleFrames);
        return 0;
    });
}

void processDoubleReplacingEntry(AEffect* effect, double** inputs, double** outputs,
                                 VstInt32 sampleFrames)
{
    guarded(effect, 0, [&](AudioEffect& instance) {
        instance.processDoubleReplacing(inputs, outputs, sampleFrames);
        return 0;
    });
}

void setParameterEntry(AEffect* effect, VstInt32 index, float value)
{
    guarded(effect, 0, [&](AudioEffect& instance) {
        instance.setParameter(index, value);
        return 0;
    });
}

float getParameterEntry(AEffect* effect, VstInt32 index)
{
    return guarded(effect, 0.0f,
                   [&](AudioEffect& instance) { return instance.getParameter(index); });
}

} // namespace

AudioEffect::AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams)
    : audioMaster(audioMaster), numPrograms(numPrograms), numParams(numParams)
{
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEntry;
    cEffect.process = processEntry;
    cEffect.setParameter = setParameterEntry;
    cEffect.getParameter = getParameterEntry;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = fourCharCode('N', 'o', 'E', 'f');
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingEntry;
    cEffect.processDoubleReplacing = processDoubleReplacingEntry;
}

AudioEffect::~AudioEffect()
{
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

void AudioEffect::setFlag(VstInt32 flag, bool state)
{
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value)
{
    setParameter(index, value);
    if (audioMaster)
        audioMaster(&cEffect, audioMasterAutomate, index, 0, nullptr, value);
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt)
{
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms)
            setProgram(static_cast<VstInt32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (ptr)
            setProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetProgramName:
        getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case effEditGetRect:
        return editor && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen:
        return editor && editor->open(ptr) ? 1 : 0;
    case effEditClose:
        if (editor)
            editor->close();
        return 0;
    case effEditIdle:
        if (editor)
            editor->idle();
        return 0;
    case effIdentify:
        return kIdentifyAnswer;
    case effGetChunk:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}
