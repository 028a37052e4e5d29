// The VST 2 module's three exports: the plug-in entry under its two names and
// the version query. The entry is where the instance meets its editor.
#include <cstdint>

#include "editor/PlugEd.h"
#include "engine/Plug.h"

#define TOLVO_EXPORT extern "C" __attribute__((visibility("default")))

TOLVO_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
    if (!audioMaster)
        return nullptr;
    // No exception crosses back into the host: an instance that cannot be
    // built (memory ran out while constructing it) is answered as none.
    try {
        if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
            return nullptr;
        return (new Plug(audioMaster, PlugEd::create))->getAeffect();
    } catch (...) {
        return nullptr;
    }
}

// The older entry name. A C++ function cannot be called main unless it returns
// int, so the same entry gets the symbol name through an assembler label.
TOLVO_EXPORT AEffect* pluginMainAlias(audioMasterCallback audioMaster) __asm__("main");
AEffect* pluginMainAlias(audioMasterCallback audioMaster)
{
    return VSTPluginMain(audioMaster);
}

TOLVO_EXPORT int32_t VeskDLLVersion(float* version, int16_t* a, int16_t* b)
{
    if (version)
        *version = 3.02f;
    if (a)
        *a = 48;
    if (b)
        *b = 48;
    return 48;
}
