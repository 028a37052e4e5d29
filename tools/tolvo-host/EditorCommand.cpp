// tolvo-host editor: opens the plug-in's editor in a window of its own, runs
// the editor's idle about 30 times a second and feeds the plug-in a test tone
// from a second thread, as a host's audio thread would.
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/HostedPlugin.h"
#include "tools/tolvo-host/HostWindow.h"
#include "tools/tolvo-host/PngWriter.h"
#include "tools/tolvo-host/StateFile.h"

namespace tolvo {

namespace {

constexpr float kSampleRate = 44100.0f;
constexpr VstInt32 kBlockSize = 512;
constexpr auto kIdlePeriod = std::chrono::milliseconds(33);

// A 1 kHz tone whose level sweeps between -40 dB and 0 dB every four seconds.
void feedTestTone(PluginInstance& plugin, const std::atomic<bool>& running)
{
    std::vector<float> input(kBlockSize), output(kBlockSize);
    const double twoPi = 2.0 * std::acos(-1.0);
    const auto blockTime = std::chrono::microseconds(int64_t(1e6 * kBlockSize / kSampleRate));
    auto next = std::chrono::steady_clock::now();
    uint64_t sample = 0;
    while (running.load(std::memory_order_relaxed)) {
        for (float& value : input) {
            double seconds = double(sample++) / kSampleRate;
            double sweep = 0.5 - 0.5 * std::cos(twoPi * seconds / 4.0);
            double level = std::pow(10.0, (-40.0 + 40.0 * sweep) / 20.0);
            value = float(level * std::sin(twoPi * 1000.0 * seconds));
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

} // namespace

int runEditor(const Arguments& arguments)
{
    std::string screenshot, secondsText;
    bool hasScreenshot = optionValue(arguments, "--screenshot", screenshot);
    bool hasSeconds = optionValue(arguments, "--seconds", secondsText);
    double seconds = hasSeconds ? std::atof(secondsText.c_str()) : (hasScreenshot ? 2.0 : 0.0);

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
    plugin.dispatch(effEditOpen, 0, 0, window->handle());

    std::atomic<bool> running{true};
    std::thread audio(feedTestTone, std::ref(plugin), std::cref(running));
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::milliseconds(int64_t(seconds * 1000.0));
    while (window->processEvents() && (seconds <= 0.0 || std::chrono::steady_clock::now() < end)) {
        plugin.dispatch(effEditIdle);
        std::this_thread::sleep_for(kIdlePeriod);
    }
    int result = 0;
    if (hasScreenshot) {
        plugin.dispatch(effEditIdle);
        if (saveScreenshot(*window, screenshot)) {
            std::printf("screenshot: %s\n", screenshot.c_str());
        } else {
            std::fprintf(stderr, "cannot save the screenshot to %s\n", screenshot.c_str());
            result = 1;
        }
    }
    running.store(false, std::memory_order_relaxed);
    audio.join();
    plugin.dispatch(effEditClose);
    plugin.dispatch(effMainsChanged, 0, 0);
    return result;
}

} // namespace tolvo
