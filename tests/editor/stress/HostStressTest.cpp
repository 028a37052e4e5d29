// The editor through the module under load: an audio thread and a host
// automation thread run while the window thread opens, idles, draws, feeds
// synthetic input to and closes the editor; bad state blocks arrive from a
// host thread while the editor draws; and instances, host windows and pairs
// of editors come and go hundreds of times. Meant for ThreadSanitizer and
// AddressSanitizer builds; in every build the audio stays bounded, the
// parameters in range, and no window, connection or handle is left behind.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "tests/support/PluginFixture.h"
#include "tests/support/editor/EditorHostWindow.h"
#include "tests/support/view/ChildWindows.h"
#include "tests/support/view/InputInjector.h"
#include "tests/support/view/SystemResources.h"
#include "tools/tolvo-host/HostWindow.h"

namespace tolvo {

namespace {

using editorLayout::kHeight;
using editorLayout::kWidth;
constexpr auto kIdlePause = std::chrono::milliseconds(2);
constexpr int kBlock = 256;
constexpr int kNumParams = 5;
// Fader +18.06 dB times trim +36 dB, the largest gain the stage can reach.
constexpr double kLargestGain = 8.0 * 63.0958;
constexpr auto kStressTime = std::chrono::seconds(4);
// Windows, connections and handles a round may still have in flight.
constexpr long kResourceSlack = 2;

bool parametersInRange(PluginInstance& plugin)
{
    for (int index = 0; index < kNumParams; ++index) {
        const float value = plugin.getParameter(index);
        if (!(value >= 0.0f && value <= 1.0f))
            return false;
    }
    return true;
}

// Processes blocks through the three calls until told to stop; every output
// sample must stay finite and within the largest gain of its input.
class AudioThread {
public:
    explicit AudioThread(PluginInstance& plugin) : thread([this, &plugin] { run(plugin); }) {}
    ~AudioThread() { stop(); }

    void stop()
    {
        running = false;
        if (thread.joinable())
            thread.join();
    }

    bool bounded() const { return inBounds.load(); }
    long blocks() const { return processed.load(); }

private:
    void run(PluginInstance& plugin)
    {
        std::vector<float> in(kBlock), out(kBlock);
        std::vector<double> doubleIn(kBlock), doubleOut(kBlock);
        for (int i = 0; i < kBlock; ++i) {
            in[i] = static_cast<float>(std::sin(0.05 * i));
            doubleIn[i] = in[i];
        }
        while (running) {
            plugin.processReplacing(in.data(), out.data(), kBlock);
            check(in, out);
            plugin.processDoubleReplacing(doubleIn.data(), doubleOut.data(), kBlock);
            check(doubleIn, doubleOut);
            std::fill(out.begin(), out.end(), 0.0f);
            plugin.processAccumulating(in.data(), out.data(), kBlock);
            check(in, out);
            processed.fetch_add(1);
        }
    }

    template <typename Sample>
    void check(const std::vector<Sample>& in, const std::vector<Sample>& out)
    {
        for (int i = 0; i < kBlock; ++i) {
            const double limit = kLargestGain * std::fabs(double(in[i])) + 1e-30;
            if (!std::isfinite(double(out[i])) || std::fabs(double(out[i])) > limit)
                inBounds = false;
        }
    }

    std::atomic<bool> running{true};
    std::atomic<bool> inBounds{true};
    std::atomic<long> processed{0};
    std::thread thread;
};

// Runs a host's work on a thread of its own until told to stop.
class HostThread {
public:
    template <typename Work>
    explicit HostThread(Work work)
        : thread([this, work]() mutable {
              for (long round = 0; running; ++round)
                  work(round);
          })
    {}
    ~HostThread() { stop(); }

    void stop()
    {
        running = false;
        if (thread.joinable())
            thread.join();
    }

private:
    std::atomic<bool> running{true};
    std::thread thread;
};

// Automates every parameter with values a host may send: in range, out of
// range, negative zero and NaN.
void automate(PluginInstance& plugin, long round)
{
    static const float kOdd[] = {-0.0f,
                                 -0.5f,
                                 1.5f,
                                 std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::infinity(),
                                 1e-40f};
    const int index = static_cast<int>(round % kNumParams);
    const float value = round % 7 == 0 ? kOdd[(round / 7) % 6] : float(round % 101) / 100.0f;
    plugin.setParameter(index, value);
}

class EditorStress : public EditorHostWindow {};

TEST_F(EditorStress, AudioAndAutomationThreadsWhileTheWindowThreadWorksTheEditor)
{
    std::unique_ptr<InputInjector> input = InputInjector::create(host->handle());
    ASSERT_TRUE(input) << "no synthetic input";
    plugin->dispatch(effMainsChanged, 0, 1);
    AudioThread audio(*plugin);
    HostThread automation([this](long round) { automate(*plugin, round); });

    std::mt19937 random(15);
    int cycles = 0;
    const auto end = std::chrono::steady_clock::now() + kStressTime;
    while (std::chrono::steady_clock::now() < end) {
        ASSERT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
        idleEditor(*plugin, *host, 3, kIdlePause);
        for (int gesture = 0; gesture < 4; ++gesture) {
            input->moveTo(gui::CPoint(int32_t(random() % kWidth), int32_t(random() % kHeight)));
            input->press(MouseButton::Left);
            input->moveTo(gui::CPoint(int32_t(random() % kWidth), int32_t(random() % kHeight)));
            input->release(MouseButton::Left);
            input->wheel(random() % 2 ? 120 : -120);
            idleEditor(*plugin, *host, 2, kIdlePause);
        }
        plugin->dispatch(effEditKeyDown, 0, VKEY_TAB);
        input->press(EditKey::Escape);
        idleEditor(*plugin, *host, 2, kIdlePause);
        plugin->dispatch(effEditClose);
        host->processEvents();
        ++cycles;
    }
    automation.stop();
    audio.stop();
    EXPECT_TRUE(audio.bounded());
    EXPECT_GT(audio.blocks(), 10);
    EXPECT_GT(cycles, 2);
    EXPECT_TRUE(parametersInRange(*plugin));
    EXPECT_EQ(childWindowCount(host->handle()), 0);
}

TEST_F(EditorStress, BadStateBlocksFromAHostThreadWhileTheEditorDraws)
{
    ASSERT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
    HostThread states([this](long round) {
        static const int32_t kWords[] = {INT32_MIN, -1, 3, 7, 1000, INT32_MAX, 2, 0};
        static const uint32_t kValues[] = {0x80000000u, 0x7FC00000u, 0x3FC00000u,
                                           0xBF800000u, 0x00000001u, 0x3F000000u};
        uint32_t block[14];
        for (int word = 0; word < 14; ++word)
            block[word] = word < 7 ? kValues[(round + word) % 6]
                                   : static_cast<uint32_t>(kWords[(round * 3 + word) % 8]);
        plugin->dispatch(effSetChunk, round % 2, 56, block);
        automate(*plugin, round);
    });
    for (int round = 0; round < 200; ++round)
        idleEditor(*plugin, *host, 1, kIdlePause);
    states.stop();
    idleEditor(*plugin, *host, 5, kIdlePause);
    EXPECT_TRUE(parametersInRange(*plugin));
    EXPECT_EQ(childWindowCount(host->handle()), 1);
    plugin->dispatch(effEditClose);
    EXPECT_EQ(childWindowCount(host->handle()), 0);
}

TEST_F(EditorStress, InstancesClosedWithTheirEditorOpenLeaveNothingBehind)
{
    // The first round loads what lives as long as the module.
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    idleEditor(*plugin, *host, 2, kIdlePause);
    plugin->close();
    plugin.reset();
    host->processEvents();
    const long before = systemResourceCount();
    for (int round = 0; round < 100; ++round) {
        PluginInstance instance(builtModule());
        ASSERT_NE(instance.effect(), nullptr);
        ASSERT_EQ(instance.dispatch(effEditOpen, 0, 0, host->handle()), 1);
        idleEditor(instance, *host, 2, kIdlePause);
        instance.dispatch(effEditKeyDown, 0, VKEY_TAB);
        instance.close();
        host->processEvents();
        ASSERT_EQ(childWindowCount(host->handle()), 0) << "round " << round;
    }
    EXPECT_LE(systemResourceCount(), before + kResourceSlack);
}

TEST_F(EditorStress, HostWindowsDestroyedBeforeTheEditorClosesLeaveNothingBehind)
{
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    plugin->dispatch(effEditClose);
    host.reset();
    const long before = systemResourceCount();
    for (int round = 0; round < 30; ++round) {
        std::unique_ptr<HostWindow> window =
            HostWindow::create(kWidth, kHeight, "short-lived host");
        ASSERT_TRUE(window);
        ASSERT_EQ(plugin->dispatch(effEditOpen, 0, 0, window->handle()), 1);
        idleEditor(*plugin, *window, 2, kIdlePause);
        window.reset();
        plugin->dispatch(effEditIdle);
        plugin->dispatch(effEditClose);
    }
    EXPECT_LE(systemResourceCount(), before + kResourceSlack);
}

TEST_F(EditorStress, TwoEditorsOpenedAndClosedAThousandTimesLeaveNothingBehind)
{
    PluginInstance second(builtModule());
    ASSERT_NE(second.effect(), nullptr);
    std::unique_ptr<HostWindow> secondHost =
        HostWindow::create(kWidth, kHeight, "second editor", kWidth + 40, 0);
    ASSERT_TRUE(secondHost);
    for (PluginInstance* instance : {plugin.get(), &second}) {
        instance->dispatch(effEditOpen, 0, 0,
                           instance == &second ? secondHost->handle() : host->handle());
        instance->dispatch(effEditClose);
    }
    const long before = systemResourceCount();
    for (int round = 0; round < 1000; ++round) {
        ASSERT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
        ASSERT_EQ(second.dispatch(effEditOpen, 0, 0, secondHost->handle()), 1);
        plugin->dispatch(effEditIdle);
        second.dispatch(effEditIdle);
        // Closed in either order.
        PluginInstance& first = round % 2 ? second : *plugin;
        PluginInstance& last = round % 2 ? *plugin : second;
        first.dispatch(effEditClose);
        last.dispatch(effEditClose);
    }
    host->processEvents();
    secondHost->processEvents();
    EXPECT_EQ(childWindowCount(host->handle()), 0);
    EXPECT_EQ(childWindowCount(secondHost->handle()), 0);
    EXPECT_LE(systemResourceCount(), before + kResourceSlack);
}

} // namespace

} // namespace tolvo
