#include "tools/tolvo-host/HostedPlugin.h"

#include <cstdio>

namespace tolvo {

HostedPlugin::HostedPlugin(const Arguments& arguments)
    : modulePath(pluginPath(arguments)), module(modulePath)
{
    if (!module.isLoaded()) {
        std::fprintf(stderr, "cannot load %s: %s\n", modulePath.c_str(),
                     module.errorText().c_str());
        return;
    }
    instance = std::make_unique<PluginInstance>(module);
    if (!instance->effect())
        std::fprintf(stderr, "%s: the entry returned no instance\n", modulePath.c_str());
}

} // namespace tolvo
