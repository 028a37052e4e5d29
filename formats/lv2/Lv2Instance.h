// One LV2 instance: the engine's Plug with its editor, the host's port buffers, and the
// bookkeeping that applies a control port to the instance only when its value changed.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "engine/Plug.h"
#include "formats/lv2/Lv2Ports.h"

// Where the editor's gestures go: the open UI's write function and touch, if any.
class Lv2EditorSink {
public:
    virtual ~Lv2EditorSink() = default;
    virtual void writePort(uint32_t port, float value) = 0;
    virtual void touchPort(uint32_t port, bool grabbed) = 0;
};

class Lv2Instance {
public:
    explicit Lv2Instance(double sampleRate);
    ~Lv2Instance();

    Lv2Instance(const Lv2Instance&) = delete;
    Lv2Instance& operator=(const Lv2Instance&) = delete;

    // False when the engine could not be made; the host gets no instance then.
    bool isReady() const { return instance != nullptr; }
    Plug& plug() { return *instance; }

    void connectPort(uint32_t port, void* data);
    // The next run starts the smoother at the target its port values give.
    void activate();
    // Applies changed control ports, runs the gain loop and writes the meter ports.
    void run(uint32_t frames);

    // After instantiation or a restored block: what the instance's values read as on their
    // ports counts as last applied, so ports the host restores to those readings leave the
    // block as it is instead of rounding it through dB.
    void takePortValuesFromInstance();

    // The UI attaches its sink while open; the editor's gestures reach it.
    void attachEditorSink(Lv2EditorSink* sink);
    // True while the editor holds a gesture on the parameter.
    bool isEditing(VstInt32 index) const;

    // The editor's calls to the host: automation, begin and end of a gesture.
    void editorAutomated(VstInt32 index, float normalized);
    void editorGesture(VstInt32 index, bool begins);

private:
    void applyChangedPorts();
    void writeMeterPorts(double inputMeanSquare, double outputMeanSquare);
    void setOutput(uint32_t port, float value);

    std::unique_ptr<Plug> instance;
    float* ports[kNumPorts] = {};
    // The port value last applied from each control input, or the instance's reading after
    // a restore (audio thread; instantiation and restore never run beside it).
    float lastApplied[kNumParams] = {};
    // The port value the editor last wrote, skipped once when it comes back through the host.
    std::atomic<float> editorEcho[kNumParams];
    std::atomic<bool> editing[kNumParams];
    std::atomic<Lv2EditorSink*> sink{nullptr};
    bool startAtTarget = true;
};
