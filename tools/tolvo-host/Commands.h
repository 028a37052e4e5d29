// The subcommands of tolvo-host. Each takes the arguments after its name and
// returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace tolvo {

using Arguments = std::vector<std::string>;

int runInfo(const Arguments& arguments);
int runEditor(const Arguments& arguments);
int runContactSheet(const Arguments& arguments);
int runRender(const Arguments& arguments);
int runTone(const Arguments& arguments);

// Finds "--name VALUE" in the arguments; false when absent.
bool optionValue(const Arguments& arguments, const std::string& name, std::string& value);
// True when the flag "--name" is present.
bool hasFlag(const Arguments& arguments, const std::string& name);
// The plug-in path of --plugin, or the module built next to tolvo-host.
std::string pluginPath(const Arguments& arguments);

} // namespace tolvo
