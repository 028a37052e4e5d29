#include "formats/lv2/Lv2State.h"

#include <cstring>
#include <lv2/atom/atom.h>

#include "formats/lv2/Lv2Instance.h"
#include "formats/lv2/Lv2Uris.h"

namespace {

constexpr uint32_t kBlockSize = sizeof(PlugChunk);

} // namespace

bool mapStateKeys(const LV2_Feature* const* features, Lv2StateKeys& keys)
{
    for (; features && *features; ++features) {
        if (std::strcmp((*features)->URI, LV2_URID__map) != 0 || !(*features)->data)
            continue;
        const auto* map = static_cast<const LV2_URID_Map*>((*features)->data);
        keys.state = map->map(map->handle, kStateUri);
        keys.chunk = map->map(map->handle, LV2_ATOM__Chunk);
        return keys.isMapped();
    }
    return false;
}

LV2_State_Status saveState(Lv2Instance& instance, const Lv2StateKeys& keys,
                           LV2_State_Store_Function store, LV2_State_Handle handle)
{
    void* block = nullptr;
    const VstInt32 size = instance.plug().getChunk(&block, false);
    if (!keys.isMapped())
        return LV2_STATE_ERR_NO_FEATURE;
    if (!store || size != static_cast<VstInt32>(kBlockSize) || !block)
        return LV2_STATE_ERR_UNKNOWN;
    return store(handle, keys.state, block, kBlockSize, keys.chunk,
                 LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status restoreState(Lv2Instance& instance, const Lv2StateKeys& keys,
                              LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle)
{
    if (!keys.isMapped())
        return LV2_STATE_ERR_NO_FEATURE;
    if (!retrieve)
        return LV2_STATE_ERR_UNKNOWN;
    size_t size = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    const void* block = retrieve(handle, keys.state, &size, &type, &flags);
    if (!block)
        return LV2_STATE_ERR_NO_PROPERTY;
    if (type != keys.chunk || size != kBlockSize)
        return LV2_STATE_ERR_BAD_TYPE;
    // The instance keeps its own copy; the host's buffer is read-only.
    PlugChunk copy;
    std::memcpy(&copy, block, kBlockSize);
    instance.plug().setChunk(&copy, kBlockSize, false);
    instance.takePortValuesFromInstance();
    return LV2_STATE_SUCCESS;
}
