// Secondary interface offered to code that wraps the effect and needs each
// parameter's default value.
#pragma once

#include "host/PluginInterface.h"

class AuWrappableInterface {
public:
    virtual ~AuWrappableInterface() = default;
    virtual float getParameterDefault(VstInt32 index) = 0;
};
