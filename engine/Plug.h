// The plug-in instance: identity, parameters, gain stage, meters, settings and
// saved state of one mono gain stage.
#pragma once

#include <atomic>
#include <memory>

#include "engine/AuWrappableInterface.h"
#include "engine/Ballistics.h"
#include "engine/EditorLink.h"
#include "engine/Metering.h"
#include "engine/ParameterTable.h"
#include "engine/PlugChunk.h"
#include "engine/PlugParameter.h"
#include "engine/PlugProgram.h"
#include "engine/PlugSettings.h"
#include "host/AudioEffectX.h"
#include "rules/MeterReadout.h"

class Plug : public AudioEffectX, public AuWrappableInterface {
public:
    // The factory creates the editor (none when null).
    Plug(audioMasterCallback audioMaster, EditorFactory createEditor);
    ~Plug() override;

    void resume() override;
    void setSampleRate(float rate) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void setProgram(VstInt32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;
    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;

    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 getPlugCategory() override;

    // The gain loop on channel 0: replacing in float and double, and the older
    // call that adds its result to the output buffer.
    virtual void processAccumulate(float** inputs, float** outputs, VstInt32 sampleFrames);
    virtual void processReplace(float** inputs, float** outputs, VstInt32 sampleFrames);
    virtual void processDoubleReplace(double** inputs, double** outputs, VstInt32 sampleFrames);
    // Plain values: a linear gain for Gain, the normalized value otherwise.
    virtual void setParameterValue(VstInt32 index, float value);
    virtual float getParameterValue(VstInt32 index);
    // Typed text: dB for Gain and Trim; the switches are turned off.
    virtual void setParameterText(VstInt32 index, const char* text);
    virtual bool getMeters(MeterReadout* out);
    // The meters' envelopes only, without restarting what getMeters reads.
    void getMeterEnvelopes(MeterReadout* out) const;
    virtual PlugSettings* getSettings();
    virtual void updateDerived();
    virtual void updateGainAndBallistics();

    float getParameterDefault(VstInt32 index) override;

private:
    template <typename Sample, bool accumulate>
    void runGainLoop(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);

    // The editor's part: its controls follow parameter changes; it owns the
    // Pre and Fine values of the state block. Each is a no-op without one.
    void notifyEditor(VstInt32 index, float value);
    void editorWritesChunkState();
    void editorReadsChunkState();

    float parameterValue(VstInt32 index) const;
    float derivedValue(VstInt32 index) const;

    PlugSettings settings;
    PlugChunk chunk{};
    std::unique_ptr<PlugProgram[]> programs;
    PlugParameter parameters[kNumParams];
    double lastRefreshTime = 0.0;
    double processingClock = 0.0;
    std::atomic<double> currentGain{1.0};
    std::atomic<double> targetGain{1.0};
    std::atomic<double> samplePeriod{1.0 / 44100.0};
    BallisticsTable ballisticsTable;
    Metering meters;
    EditorLink* editorLink = nullptr;
};
