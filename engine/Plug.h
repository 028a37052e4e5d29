// The plug-in instance: identity, parameters, gain stage, meters, settings and
// saved state of one mono gain stage.
#pragma once

#include "engine/AuWrappableInterface.h"
#include "host/AudioEffectX.h"

class Plug : public AudioEffectX, public AuWrappableInterface {
public:
    explicit Plug(audioMasterCallback audioMaster);
    ~Plug() override;

    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;

    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 getPlugCategory() override;

    float getParameterDefault(VstInt32 index) override;
};
