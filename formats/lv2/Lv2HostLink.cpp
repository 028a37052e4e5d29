// The instance of the LV2 edition: the same Plug and editor as the VST 2 module,
// with a host callback that routes the editor's automation to the LV2 ports.
#include "formats/lv2/Lv2HostLink.h"

#include <new>

#include "editor/PlugEd.h"
#include "formats/lv2/Lv2Instance.h"

namespace {

Lv2Instance* ownerOf(AEffect* effect)
{
    return effect ? static_cast<Lv2Instance*>(effect->user) : nullptr;
}

// The few host calls the instance and its editor make; everything else is answered 0.
VstIntPtr hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr, void*,
                       float opt)
{
    if (opcode == audioMasterVersion)
        return kVstVersion;
    Lv2Instance* owner = ownerOf(effect);
    if (!owner || !isParameterIndex(index))
        return 0;
    switch (opcode) {
    case audioMasterAutomate:
        owner->editorAutomated(index, opt);
        return 1;
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
        owner->editorGesture(index, opcode == audioMasterBeginEdit);
        return 1;
    default:
        return 0;
    }
}

} // namespace

std::unique_ptr<Plug> createLv2Plug(Lv2Instance* owner)
{
    std::unique_ptr<Plug> plug(new (std::nothrow) Plug(hostCallback, PlugEd::create));
    if (plug)
        plug->getAeffect()->user = owner;
    return plug;
}
