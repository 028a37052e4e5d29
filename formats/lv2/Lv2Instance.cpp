#include "formats/lv2/Lv2Instance.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "formats/lv2/Lv2HostLink.h"

namespace {

constexpr float kNoEcho = std::numeric_limits<float>::quiet_NaN();

// A sample that is not a finite number counts as silence, as in the meters.
double meanSquare(const float* samples, uint32_t frames)
{
    double sum = 0.0;
    for (uint32_t i = 0; i < frames; ++i)
        if (std::isfinite(samples[i]))
            sum += static_cast<double>(samples[i]) * samples[i];
    return frames ? sum / frames : 0.0;
}

} // namespace

Lv2Instance::Lv2Instance(double sampleRate) : instance(createLv2Plug(this))
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        editorEcho[index].store(kNoEcho);
        editing[index].store(false);
    }
    if (!instance)
        return;
    instance->setSampleRate(static_cast<float>(sampleRate));
    takePortValuesFromInstance();
}

Lv2Instance::~Lv2Instance() = default;

void Lv2Instance::connectPort(uint32_t port, void* data)
{
    if (port < kNumPorts)
        ports[port] = static_cast<float*>(data);
}

void Lv2Instance::activate()
{
    startAtTarget = true;
}

void Lv2Instance::takePortValuesFromInstance()
{
    const int trimRange = instance->getSettings()->trimRange();
    for (VstInt32 index = 0; index < kNumParams; ++index)
        lastApplied[index] = portFromNormalized(index, instance->getParameter(index), trimRange);
}

void Lv2Instance::applyChangedPorts()
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        const float* port = ports[portOfParameter(index)];
        if (!port)
            continue;
        float value = *port;
        // Bitwise, so a NaN that stays is not taken again and again.
        if (std::memcmp(&value, &lastApplied[index], sizeof(value)) == 0)
            continue;
        lastApplied[index] = value;
        // The editor's own write coming back is skipped once; during a gesture the editor
        // holds the parameter.
        float echo = value;
        const bool echoed = editorEcho[index].compare_exchange_strong(echo, kNoEcho);
        if (echoed || editing[index].load())
            continue;
        const int trimRange = instance->getSettings()->trimRange();
        instance->setParameter(index, normalizedFromPort(index, value, trimRange));
    }
}

void Lv2Instance::run(uint32_t frames)
{
    applyChangedPorts();
    if (startAtTarget) {
        instance->resume();
        startAtTarget = false;
    }
    float* in = ports[kPortIn];
    float* out = ports[kPortOut];
    if (!in || !out || frames == 0)
        return;
    const double inputMeanSquare = meanSquare(in, frames);
    instance->processReplacing(&in, &out, static_cast<VstInt32>(frames));
    writeMeterPorts(inputMeanSquare, meanSquare(out, frames));
}

void Lv2Instance::writeMeterPorts(double inputMeanSquare, double outputMeanSquare)
{
    MeterReadout envelopes{};
    instance->getMeterEnvelopes(&envelopes);
    setOutput(kPortInputLevel, levelPortValue(envelopes.values[kReadInputEnvelope]));
    setOutput(kPortOutputLevel, levelPortValue(envelopes.values[kReadOutputEnvelope]));
    setOutput(kPortInputRms, levelPortValue(std::sqrt(inputMeanSquare)));
    setOutput(kPortOutputRms, levelPortValue(std::sqrt(outputMeanSquare)));
}

void Lv2Instance::setOutput(uint32_t port, float value)
{
    if (ports[port])
        *ports[port] = value;
}

void Lv2Instance::attachEditorSink(Lv2EditorSink* editorSink)
{
    sink.store(editorSink);
}

bool Lv2Instance::isEditing(VstInt32 index) const
{
    return isParameterIndex(index) && editing[index].load();
}

void Lv2Instance::editorAutomated(VstInt32 index, float normalized)
{
    const float value = portFromNormalized(index, normalized, instance->getSettings()->trimRange());
    editorEcho[index].store(value);
    if (Lv2EditorSink* target = sink.load())
        target->writePort(portOfParameter(index), value);
}

void Lv2Instance::editorGesture(VstInt32 index, bool begins)
{
    editing[index].store(begins);
    if (Lv2EditorSink* target = sink.load())
        target->touchPort(portOfParameter(index), begins);
}
