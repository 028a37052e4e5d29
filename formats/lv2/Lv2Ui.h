// The UI descriptor of the LV2 edition: the instance's own editor in the host's window.
#pragma once

#include <lv2/ui/ui.h>

const LV2UI_Descriptor* tolvoUiDescriptor();
