// Drives the LV2 plug-in descriptor as a host does: a URID map, the ports connected to
// fields of the harness, blocks run, and the state interface with an in-memory store.
#pragma once

#include <algorithm>
#include <cstdint>
#include <lv2/atom/atom.h>
#include <lv2/core/lv2.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>
#include <map>
#include <string>
#include <vector>

#include "formats/lv2/Lv2Instance.h"
#include "formats/lv2/Lv2Plugin.h"
#include "formats/lv2/Lv2Ports.h"

namespace tolvo {

// One saved property as the host keeps it.
struct StoredProperty {
    LV2_URID key = 0;
    std::vector<uint8_t> value;
    LV2_URID type = 0;
    uint32_t flags = 0;
};

class Lv2Harness {
public:
    explicit Lv2Harness(bool withMap = true, double rate = 44100.0)
    {
        mapFeature = {LV2_URID__map, &map};
        const LV2_Feature* withFeatures[] = {&mapFeature, nullptr};
        const LV2_Feature* noFeatures[] = {nullptr};
        descriptor = tolvoPluginDescriptor();
        handle = descriptor->instantiate(descriptor, rate, "", withMap ? withFeatures : noFeatures);
        if (!handle)
            return;
        for (uint32_t port = kFirstParameterPort; port < kNumPorts; ++port)
            descriptor->connect_port(handle, port, &controls[port]);
        controls[kPortGain] = 0.0f;
        controls[kPortTrim] = 0.0f;
        descriptor->activate(handle);
    }

    ~Lv2Harness()
    {
        if (handle)
            descriptor->cleanup(handle);
    }

    Lv2Harness(const Lv2Harness&) = delete;
    Lv2Harness& operator=(const Lv2Harness&) = delete;

    bool ready() const { return handle != nullptr; }
    // What instance access hands a UI.
    LV2_Handle lv2Handle() const { return handle; }
    Lv2Instance& instance() { return *lv2InstanceOf(handle); }
    float parameter(VstInt32 index) { return instance().plug().getParameter(index); }

    // Runs the samples in blocks, in place when asked.
    std::vector<float> run(std::vector<float> input, uint32_t block = 512, bool inPlace = false)
    {
        std::vector<float> output(input.size());
        runInto(input, output, inPlace, block);
        return inPlace ? input : output;
    }

    // The same without allocating: in place the input buffer receives the output.
    void runInto(std::vector<float>& input, std::vector<float>& output, bool inPlace,
                 uint32_t block = 512)
    {
        for (size_t at = 0; at < input.size(); at += block) {
            const auto frames = static_cast<uint32_t>(std::min<size_t>(block, input.size() - at));
            descriptor->connect_port(handle, kPortIn, input.data() + at);
            descriptor->connect_port(handle, kPortOut, (inPlace ? input : output).data() + at);
            descriptor->run(handle, frames);
        }
    }

    // An empty block: only the control ports are read.
    void runControls() { run(std::vector<float>(1)); }

    LV2_URID urid(const std::string& uri) { return mapUri(this, uri.c_str()); }

    LV2_State_Status save()
    {
        stored.clear();
        return stateInterface()->save(handle, storeProperty, this, 0, nullptr);
    }

    LV2_State_Status restore()
    {
        return stateInterface()->restore(handle, retrieveProperty, this, 0, nullptr);
    }

    std::vector<StoredProperty> stored;
    float controls[kNumPorts] = {};

private:
    const LV2_State_Interface* stateInterface()
    {
        const void* data = descriptor->extension_data(LV2_STATE__interface);
        return static_cast<const LV2_State_Interface*>(data);
    }

    static LV2_URID mapUri(LV2_URID_Map_Handle self, const char* uri)
    {
        auto& uris = static_cast<Lv2Harness*>(self)->uris;
        const auto found = uris.find(uri);
        if (found != uris.end())
            return found->second;
        const auto id = static_cast<LV2_URID>(uris.size() + 1);
        uris.emplace(uri, id);
        return id;
    }

    static LV2_State_Status storeProperty(LV2_State_Handle self, uint32_t key, const void* value,
                                          size_t size, uint32_t type, uint32_t flags)
    {
        const auto* bytes = static_cast<const uint8_t*>(value);
        static_cast<Lv2Harness*>(self)->stored.push_back({key, {bytes, bytes + size}, type, flags});
        return LV2_STATE_SUCCESS;
    }

    static const void* retrieveProperty(LV2_State_Handle self, uint32_t key, size_t* size,
                                        uint32_t* type, uint32_t* flags)
    {
        for (const StoredProperty& property : static_cast<Lv2Harness*>(self)->stored) {
            if (property.key != key)
                continue;
            *size = property.value.size();
            *type = property.type;
            *flags = property.flags;
            return property.value.data();
        }
        return nullptr;
    }

    std::map<std::string, LV2_URID> uris;
    LV2_URID_Map map{this, mapUri};
    LV2_Feature mapFeature{};
    const LV2_Descriptor* descriptor = nullptr;
    LV2_Handle handle = nullptr;
};

} // namespace tolvo
