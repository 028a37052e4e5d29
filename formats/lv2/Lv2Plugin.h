// The plug-in descriptor of the LV2 edition and the instance behind its handles.
#pragma once

#include <lv2/core/lv2.h>

class Lv2Instance;

const LV2_Descriptor* tolvoPluginDescriptor();
// The instance behind a handle this descriptor made (what instance access hands the UI).
Lv2Instance* lv2InstanceOf(LV2_Handle handle);
