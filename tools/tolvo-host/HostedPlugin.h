// The plug-in a tolvo-host command works on: the module named by --plugin (or
// the one built next to tolvo-host) with one open instance. Says on stderr
// why when either cannot be had.
#pragma once

#include <memory>
#include <string>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/Commands.h"

namespace tolvo {

class HostedPlugin {
public:
    explicit HostedPlugin(const Arguments& arguments);

    bool isReady() const { return instance && instance->effect(); }
    const std::string& path() const { return modulePath; }
    PluginInstance& plugin() { return *instance; }

private:
    std::string modulePath;
    PluginModule module;
    std::unique_ptr<PluginInstance> instance;
};

} // namespace tolvo
