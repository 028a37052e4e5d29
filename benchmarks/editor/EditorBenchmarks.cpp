// Editor figures: offscreen draw time of each control kind and of the whole
// frame, one idle through the module with the test tone and with silence
// (window update included), and the CPU share of tolvo-host with and
// without the editor. Prints one table with the targets beside the figures.
// They are figures, not tests: run on an otherwise idle machine, under
// `xvfb-run -a` when there is no desktop.
//
//   tolvo_editor_benchmarks [--runs N] [--cpu-seconds S] [--cpu-rounds R]
//   (S = 0 skips the CPU share; R rounds of the four S-second runs, default 3)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "benchmarks/editor/HostCpuShare.h"
#include "benchmarks/editor/ModuleIdle.h"
#include "benchmarks/editor/OffscreenDraws.h"
#include "benchmarks/editor/WindowUpdates.h"
#include "tools/loader/PluginModule.h"

namespace tolvo {

namespace {

constexpr int kDefaultRuns = 2000;
constexpr double kDefaultCpuSeconds = 10.0;
constexpr int kDefaultCpuRounds = 3;
constexpr double kFrameTargetMicros = 1000.0;
constexpr double kToneIdleTargetMicros = 25.0;
constexpr double kSilenceIdleTargetMicros = 20.0;
// The editor's share over the same host without an editor.
constexpr double kToneShareTargetPoints = 0.3;
constexpr double kSilenceShareTargetPoints = 0.05;

struct Options {
    int runs = kDefaultRuns;
    double cpuSeconds = kDefaultCpuSeconds;
    int cpuRounds = kDefaultCpuRounds;
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--cpu-seconds") == 0)
            options.cpuSeconds = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--cpu-rounds") == 0)
            options.cpuRounds = std::max(1, std::atoi(argv[++i]));
    }
    return options;
}

// The instances and tolvo-host runs read and write preferences in a folder of
// the build, never the user's.
void isolatePreferences()
{
    std::string module = PluginModule::besideExecutable();
    std::string folder = module.substr(0, module.find_last_of('/') + 1) + "benchmark-config";
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}

std::string loadAverage()
{
    std::string text;
    if (FILE* file = std::fopen("/proc/loadavg", "r")) {
        char line[128] = {};
        if (std::fgets(line, sizeof line, file))
            text = std::string(line, strcspn(line, "\n"));
        std::fclose(file);
    }
    return text.empty() ? "unknown" : text;
}

const char* verdict(double value, double target)
{
    if (std::isnan(value))
        return "not measured";
    return value <= target ? "met" : "missed";
}

void printTimeRow(const std::string& what, const Timing& timing, const std::string& target,
                  const char* result)
{
    std::printf("%-44s %10.1f %10.1f %10.1f   %-10s %s\n", what.c_str(), timing.median, timing.mean,
                timing.cpuMedian, target.c_str(), result);
}

void printTimes(const std::vector<DrawFigure>& draws, const UpdateFigures& updates,
                const IdleFigures& idle)
{
    std::printf("\n%-44s %10s %10s %10s   %-10s %s\n", "editor, microseconds", "median", "mean",
                "cpu median", "target", "(targets on the median)");
    for (const DrawFigure& draw : draws) {
        bool whole = draw.what == "whole frame";
        printTimeRow("offscreen draw: " + draw.what, draw.timing, whole ? "< 1000" : "",
                     whole ? verdict(draw.timing.median, kFrameTargetMicros) : "");
    }
    if (updates.measured) {
        printTimeRow("window repaint, whole frame", updates.wholeWindow, "", "");
        printTimeRow("window update, every control dirty", updates.everyControl, "", "");
    }
    if (!idle.measured)
        return;
    printTimeRow("idle + window update, tone playing", idle.tone,
                 "<= " + std::to_string(int(kToneIdleTargetMicros)),
                 verdict(idle.tone.median, kToneIdleTargetMicros));
    printTimeRow("idle + window update, silence", idle.silence,
                 "<= " + std::to_string(int(kSilenceIdleTargetMicros)),
                 verdict(idle.silence.median, kSilenceIdleTargetMicros));
    if (idle.twiceMeasured)
        printTimeRow("idle + window update, tone playing, 2x", idle.toneAtTwice, "< 2x 1x",
                     verdict(idle.toneAtTwice.median, 2.0 * idle.tone.median));
}

void printShares(const CpuShares& shares, const Options& options)
{
    std::printf("\n%-44s %10s %10s\n", "tolvo-host CPU share, % of one core", "tone", "silence");
    std::printf("%-44s %10.3f %10.3f\n", "no editor", shares.noEditorTone, shares.noEditorSilence);
    std::printf("%-44s %10.3f %10.3f\n", "editor open, 30 idles/s", shares.editorTone,
                shares.editorSilence);
    std::printf("%-44s %10.3f %10.3f\n", "editor open - no editor (points)", shares.toneCost,
                shares.silenceCost);
    std::printf("(medians of %d rounds of %.0f s runs) targets: tone within %.2f points -> %s; "
                "silence within %.2f points -> %s\n",
                options.cpuRounds, options.cpuSeconds, kToneShareTargetPoints,
                verdict(shares.toneCost, kToneShareTargetPoints), kSilenceShareTargetPoints,
                verdict(shares.silenceCost, kSilenceShareTargetPoints));
}

} // namespace

} // namespace tolvo

int main(int argc, char** argv)
{
    using namespace tolvo;
    const Options options = parseOptions(argc, argv);
    isolatePreferences();
    std::printf("load average at start: %s\n", loadAverage().c_str());
    std::vector<DrawFigure> draws = measureOffscreenDraws(options.runs);
    UpdateFigures updates = measureWindowUpdates(options.runs);
    IdleFigures idle = measureModuleIdle(options.runs);
    printTimes(draws, updates, idle);
    if (options.cpuSeconds > 0.0)
        printShares(measureHostCpuShares(options.cpuSeconds, options.cpuRounds), options);
    std::printf("load average at end: %s\n", loadAverage().c_str());
    return 0;
}
