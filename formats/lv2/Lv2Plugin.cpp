#include "formats/lv2/Lv2Plugin.h"

#include <memory>
#include <string_view>

#include "formats/lv2/Lv2Instance.h"
#include "formats/lv2/Lv2State.h"
#include "formats/lv2/Lv2Uris.h"

namespace {

// An instance as the host holds it: the instance and the URIDs its state uses.
struct PluginHandle {
    explicit PluginHandle(double rate) : instance(rate) {}
    Lv2Instance instance;
    Lv2StateKeys keys;
};

PluginHandle* handleOf(LV2_Handle handle)
{
    return static_cast<PluginHandle*>(handle);
}

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*,
                       const LV2_Feature* const* features)
{
    // Without a URID map (lv2apply gives none) the instance runs; only its state cannot be
    // saved.
    Lv2StateKeys keys;
    mapStateKeys(features, keys);
    if (!(rate > 0.0))
        return nullptr;
    try {
        auto handle = std::make_unique<PluginHandle>(rate);
        if (!handle->instance.isReady())
            return nullptr;
        handle->keys = keys;
        return handle.release();
    } catch (...) {
        return nullptr;
    }
}

void connectPort(LV2_Handle handle, uint32_t port, void* data)
{
    handleOf(handle)->instance.connectPort(port, data);
}

void activate(LV2_Handle handle)
{
    handleOf(handle)->instance.activate();
}

void run(LV2_Handle handle, uint32_t frames)
{
    handleOf(handle)->instance.run(frames);
}

void deactivate(LV2_Handle)
{}

void cleanup(LV2_Handle handle)
{
    delete handleOf(handle);
}

LV2_State_Status save(LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle state,
                      uint32_t, const LV2_Feature* const*)
{
    return saveState(handleOf(handle)->instance, handleOf(handle)->keys, store, state);
}

LV2_State_Status restore(LV2_Handle handle, LV2_State_Retrieve_Function retrieve,
                         LV2_State_Handle state, uint32_t, const LV2_Feature* const*)
{
    return restoreState(handleOf(handle)->instance, handleOf(handle)->keys, retrieve, state);
}

const void* extensionData(const char* uri)
{
    static const LV2_State_Interface stateInterface = {save, restore};
    if (uri && std::string_view(uri) == LV2_STATE__interface)
        return &stateInterface;
    return nullptr;
}

} // namespace

const LV2_Descriptor* tolvoPluginDescriptor()
{
    static const LV2_Descriptor descriptor = {kPluginUri, instantiate, connectPort, activate,
                                              run,        deactivate,  cleanup,     extensionData};
    return &descriptor;
}

Lv2Instance* lv2InstanceOf(LV2_Handle handle)
{
    return handle ? &handleOf(handle)->instance : nullptr;
}
