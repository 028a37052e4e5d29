// The plug-in's state block in a file: restored from one (--state) and saved
// into one (--save-state). Both say on stderr why when they fail.
#pragma once

#include <string>

#include "tools/loader/PluginModule.h"

namespace tolvo {

// Bytes in the plug-in's state block.
constexpr int kChunkSize = 56;

bool loadState(PluginInstance& plugin, const std::string& path);
bool saveState(PluginInstance& plugin, const std::string& path);

} // namespace tolvo
