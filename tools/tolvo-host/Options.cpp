#include <algorithm>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/Commands.h"

namespace tolvo {

bool optionValue(const Arguments& arguments, const std::string& name, std::string& value)
{
    auto found = std::find(arguments.begin(), arguments.end(), name);
    if (found == arguments.end() || found + 1 == arguments.end())
        return false;
    value = *(found + 1);
    return true;
}

bool hasFlag(const Arguments& arguments, const std::string& name)
{
    return std::find(arguments.begin(), arguments.end(), name) != arguments.end();
}

std::string pluginPath(const Arguments& arguments)
{
    std::string path;
    return optionValue(arguments, "--plugin", path) ? path : PluginModule::besideExecutable();
}

} // namespace tolvo
