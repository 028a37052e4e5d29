// tolvo-host editor: opens the plug-in's editor in a window of its own, runs
// the editor's idle 30 times a second and feeds the plug-in a test tone (or
// silence) from a second thread, as a host's audio thread would. With
// --cpu-share it prints the process's CPU time over the wall time of the run,
// the figure the editor benchmarks compare with and without an editor open.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/HostWindow.h"
#include "tools/tolvo-host/HostedPlugin.h"
#include "tools/tolvo-host/PngWriter.h"
#include "tools/tolvo-host/ProcessTimes.h"
#include "tools/tolvo-host/StateFile.h"
#include "tools/tolvo-host/SweepingTone.h"

namespace tolvo {

namespace {

constexpr float kSampleRate = 44100.0f;
constexpr VstInt32 kBlockSize = 512;
constexpr auto kIdlePeriod = std::chrono::microseconds(1000000 / 30);
// Plays the signal (looped; empty for silence) through the plug-in in blocks
// at the pace of real time.
void feedAudio(PluginInstance& plugin, const std::vector<float>& signal,
               const std::atomic<bool>& running)
{
    std::vector<float> input(kBlockSize, 0.0f), output(kBlockSize);
    const auto blockTime = std::chrono::microseconds(int64_t(1e6 * kBlockSize / kSampleRate));
    auto next = std::chrono::steady_clock::now();
    size_t position = 0;
    while (running.load(std::memory_order_relaxed)) {
        for (size_t i = 0; i < input.size() && !signal.empty(); ++i) {
            input[i] = signal[position];
            position = (position + 1) % signal.size();
        }
        plugin.processReplacing(input.data(), output.data(), kBlockSize);
        next += blockTime;
        std::this_thread::sleep_until(next);
    }
}

bool saveScreenshot(HostWindow& window, const std::string& path)
{
    int32_t width = 0, height = 0;
    std::vector<uint8_t> pixels = window.capturePixels(width, height);
    return !pixels.empty() && writePng(path, pixels, width, height);
}

struct EditorOptions {
    double seconds = 0.0;
    std::string screenshot;
    bool silence = false;
    bool withEditor = true;
    bool cpuShare = false;
    // The editor scale to ask for through TOLVO_SCALE; empty to let it choose.
    std::string scale;
};

// Sets TOLVO_SCALE for the editor about to open (putenv keeps the string).
void requestScale(const std::string& scale)
{
    static std::string setting;
    setting = "TOLVO_SCALE=" + scale;
    putenv(&setting[0]);
}

bool parseOptions(const Arguments& arguments, EditorOptions& options)
{
    std::string secondsText, signal;
    bool hasScreenshot = optionValue(arguments, "--screenshot", options.screenshot);
    bool hasSeconds = optionValue(arguments, "--seconds", secondsText);
    options.seconds = hasSeconds ? std::atof(secondsText.c_str()) : (hasScreenshot ? 2.0 : 0.0);
    if (optionValue(arguments, "--signal", signal)) {
        if (signal != "tone" && signal != "silence") {
            std::fprintf(stderr, "--signal takes tone or silence, not %s\n", signal.c_str());
            return false;
        }
        options.silence = signal == "silence";
    }
    options.withEditor = !hasFlag(arguments, "--no-editor");
    options.cpuShare = hasFlag(arguments, "--cpu-share");
    if (optionValue(arguments, "--scale", options.scale) && options.scale != "1" &&
        options.scale != "2" && options.scale != "3") {
        std::fprintf(stderr, "--scale takes 1, 2 or 3, not %s\n", options.scale.c_str());
        return false;
    }
    if (hasScreenshot && !options.withEditor) {
        std::fprintf(stderr, "--screenshot needs the editor\n");
        return false;
    }
    return true;
}

} // namespace

int runEditor(const Arguments& arguments)
{
    EditorOptions options;
    if (!parseOptions(arguments, options))
        return 2;

    HostedPlugin hosted(arguments);
    if (!hosted.isReady())
        return 1;
    PluginInstance& plugin = hosted.plugin();
    if (!(plugin.effect()->flags & effFlagsHasEditor)) {
        std::fprintf(stderr, "%s: the plug-in has no editor\n", hosted.path().c_str());
        return 1;
    }
    plugin.dispatch(effOpen);
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate);
    plugin.dispatch(effSetBlockSize, 0, kBlockSize);
    std::string statePath;
    if (optionValue(arguments, "--state", statePath) && !loadState(plugin, statePath))
        return 1;
    plugin.dispatch(effMainsChanged, 0, 1);

    if (!options.scale.empty())
        requestScale(options.scale);
    ERect* rect = nullptr;
    plugin.dispatch(effEditGetRect, 0, 0, &rect);
    int32_t width = rect ? rect->right - rect->left : 0;
    int32_t height = rect ? rect->bottom - rect->top : 0;
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: the editor reports no size\n", hosted.path().c_str());
        return 1;
    }
    std::unique_ptr<HostWindow> window = HostWindow::create(width, height, "Tolvo");
    if (!window) {
        std::fprintf(stderr, "cannot open a window (no display?)\n");
        return 1;
    }
    if (options.withEditor) {
        plugin.dispatch(effEditOpen, 0, 0, window->handle());
        // The first idle paints the whole window; the measured run starts after it.
        plugin.dispatch(effEditIdle);
    }

    const std::vector<float> signal =
        options.silence ? std::vector<float>() : sweepingTone(kSampleRate);
    std::atomic<bool> running{true};
    std::thread audio(feedAudio, std::ref(plugin), std::cref(signal), std::cref(running));
    const double cpuAtStart = processCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::milliseconds(int64_t(options.seconds * 1000.0));
    auto next = start;
    while (window->processEvents() &&
           (options.seconds <= 0.0 || std::chrono::steady_clock::now() < end)) {
        if (options.withEditor)
            plugin.dispatch(effEditIdle);
        next += kIdlePeriod;
        // After a stall the pace starts again from now instead of catching up.
        auto now = std::chrono::steady_clock::now();
        if (next < now)
            next = now;
        std::this_thread::sleep_until(next);
    }
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuSeconds = processCpuSeconds() - cpuAtStart;
    int result = 0;
    if (!options.screenshot.empty()) {
        plugin.dispatch(effEditIdle);
        if (saveScreenshot(*window, options.screenshot)) {
            std::printf("screenshot: %s\n", options.screenshot.c_str());
        } else {
            std::fprintf(stderr, "cannot save the screenshot to %s\n", options.screenshot.c_str());
            result = 1;
        }
    }
    running.store(false, std::memory_order_relaxed);
    audio.join();
    if (options.cpuShare && wallSeconds > 0.0)
        std::printf("cpu share: %.3f %% of one core (%.3f s cpu in %.3f s)\n",
                    100.0 * cpuSeconds / wallSeconds, cpuSeconds, wallSeconds);
    if (options.withEditor)
        plugin.dispatch(effEditClose);
    plugin.dispatch(effMainsChanged, 0, 0);
    return result;
}

} // namespace tolvo
