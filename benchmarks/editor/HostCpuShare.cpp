#include "benchmarks/editor/HostCpuShare.h"

#include <cstdio>
#include <string>

#include "tools/loader/PluginModule.h"

namespace tolvo {

namespace {

std::string hostBesideExecutable()
{
    std::string module = PluginModule::besideExecutable();
    return module.substr(0, module.find_last_of('/') + 1) + "tolvo-host";
}

// Runs tolvo-host and reads the share from its "cpu share: X %" line.
double runHost(double seconds, bool withEditor, bool silence)
{
    std::string command =
        "'" + hostBesideExecutable() + "' editor --cpu-share --seconds " + std::to_string(seconds) +
        (silence ? " --signal silence" : " --signal tone") + (withEditor ? "" : " --no-editor");
    FILE* output = popen(command.c_str(), "r");
    if (!output)
        return NAN;
    double share = NAN;
    char line[256];
    while (std::fgets(line, sizeof line, output)) {
        double value = 0.0;
        if (std::sscanf(line, "cpu share: %lf", &value) == 1)
            share = value;
    }
    if (pclose(output) != 0)
        return NAN;
    return share;
}

} // namespace

CpuShares measureHostCpuShares(double seconds)
{
    CpuShares shares;
    shares.noEditorTone = runHost(seconds, false, false);
    shares.editorTone = runHost(seconds, true, false);
    shares.noEditorSilence = runHost(seconds, false, true);
    shares.editorSilence = runHost(seconds, true, true);
    return shares;
}

} // namespace tolvo
