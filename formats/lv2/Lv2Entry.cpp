// The LV2 module's two exports: the plug-in and its UI, one of each.
#include <lv2/core/lv2.h>
#include <lv2/ui/ui.h>

#include "formats/lv2/Lv2Plugin.h"
#include "formats/lv2/Lv2Ui.h"

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    return index == 0 ? tolvoPluginDescriptor() : nullptr;
}

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index)
{
    return index == 0 ? tolvoUiDescriptor() : nullptr;
}
