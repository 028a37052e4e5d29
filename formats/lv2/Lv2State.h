// The LV2 state interface of an instance: the whole 56-byte block as one chunk property.
#pragma once

#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

class Lv2Instance;

struct Lv2StateKeys {
    LV2_URID state = 0;
    LV2_URID chunk = 0;
    bool isMapped() const { return state != 0 && chunk != 0; }
};

// The two URIDs; false, and none, when the host gave no map.
bool mapStateKeys(const LV2_Feature* const* features, Lv2StateKeys& keys);

LV2_State_Status saveState(Lv2Instance& instance, const Lv2StateKeys& keys,
                           LV2_State_Store_Function store, LV2_State_Handle handle);
// A block of another size or type is refused and nothing changes.
LV2_State_Status restoreState(Lv2Instance& instance, const Lv2StateKeys& keys,
                              LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);
