#include "benchmarks/editor/HostCpuShare.h"

#include <cstdio>
#include <string>
#include <vector>

#include "benchmarks/editor/SampleTimer.h"
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

CpuShares measureHostCpuShares(double seconds, int rounds)
{
    std::vector<double> noEditorTone, editorTone, noEditorSilence, editorSilence;
    std::vector<double> toneCost, silenceCost;
    for (int round = 0; round < rounds; ++round) {
        noEditorTone.push_back(runHost(seconds, false, false));
        editorTone.push_back(runHost(seconds, true, false));
        noEditorSilence.push_back(runHost(seconds, false, true));
        editorSilence.push_back(runHost(seconds, true, true));
        toneCost.push_back(editorTone.back() - noEditorTone.back());
        silenceCost.push_back(editorSilence.back() - noEditorSilence.back());
    }
    CpuShares shares;
    shares.noEditorTone = medianOf(noEditorTone);
    shares.editorTone = medianOf(editorTone);
    shares.noEditorSilence = medianOf(noEditorSilence);
    shares.editorSilence = medianOf(editorSilence);
    shares.toneCost = medianOf(toneCost);
    shares.silenceCost = medianOf(silenceCost);
    return shares;
}

} // namespace tolvo
