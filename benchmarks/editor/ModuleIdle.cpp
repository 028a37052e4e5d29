#include "benchmarks/editor/ModuleIdle.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "tools/loader/PluginModule.h"
#include "tools/tolvo-host/HostWindow.h"
#include "tools/tolvo-host/SweepingTone.h"

namespace tolvo {

namespace {

constexpr float kSampleRate = 44100.0f;
// The audio a host plays between two idles at 30 idles a second.
constexpr VstInt32 kFramesPerIdle = 1470;
// Long enough for every hold and fall-back of the meters to run out.
constexpr int kSilenceIdles = 900;
constexpr int32_t kTwice = 2;

class EditorSession {
public:
    explicit EditorSession(const PluginModule& module)
        : plugin(module), tone(sweepingTone(kSampleRate)), block(kFramesPerIdle),
          out(kFramesPerIdle)
    {
        if (!plugin.effect())
            return;
        plugin.dispatch(effOpen);
        plugin.dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate);
        plugin.dispatch(effSetBlockSize, 0, kFramesPerIdle);
        plugin.dispatch(effMainsChanged, 0, 1);
        ERect* rect = nullptr;
        plugin.dispatch(effEditGetRect, 0, 0, &rect);
        if (!rect)
            return;
        rectWidth = rect->right - rect->left;
        window = HostWindow::create(rectWidth, rect->bottom - rect->top, "Tolvo benchmark");
        if (!window)
            return;
        plugin.dispatch(effEditOpen, 0, 0, window->handle());
        idle();
    }

    ~EditorSession()
    {
        if (window)
            plugin.dispatch(effEditClose);
        if (plugin.effect())
            plugin.dispatch(effMainsChanged, 0, 0);
    }

    bool isOpen() const { return window != nullptr; }
    int32_t width() const { return rectWidth; }

    // The next stretch of the sweeping test tone.
    void playTone()
    {
        for (float& sample : block) {
            sample = tone[position];
            position = (position + 1) % tone.size();
        }
        play();
    }

    void playSilence()
    {
        std::fill(block.begin(), block.end(), 0.0f);
        play();
    }

    void idle() { plugin.dispatch(effEditIdle); }

private:
    void play()
    {
        plugin.processReplacing(block.data(), out.data(), kFramesPerIdle);
        window->processEvents();
    }

    PluginInstance plugin;
    std::unique_ptr<HostWindow> window;
    const std::vector<float> tone;
    std::vector<float> block;
    std::vector<float> out;
    size_t position = 0;
    int32_t rectWidth = 0;
};

} // namespace

IdleFigures measureModuleIdle(int runs)
{
    IdleFigures figures;
    PluginModule module(PluginModule::besideExecutable());
    if (!module.isLoaded()) {
        std::fprintf(stderr, "cannot load the module: %s\n", module.errorText().c_str());
        return figures;
    }
    int32_t widthAtOnce = 0;
    {
        EditorSession session(module);
        if (!session.isOpen()) {
            std::fprintf(stderr, "cannot open the editor in a window (no display?)\n");
            return figures;
        }
        figures.tone = timeRuns(
            runs, [&] { session.playTone(); }, [&] { session.idle(); });
        for (int i = 0; i < kSilenceIdles; ++i) {
            session.playSilence();
            session.idle();
        }
        figures.silence = timeRuns(
            runs, [&] { session.playSilence(); }, [&] { session.idle(); });
        figures.measured = true;
        widthAtOnce = session.width();
    }
    setenv("TOLVO_SCALE", "2", 1);
    EditorSession twice(module);
    unsetenv("TOLVO_SCALE");
    if (!twice.isOpen() || twice.width() != kTwice * widthAtOnce) {
        std::fprintf(stderr, "the editor did not open at 2x (screen too small?)\n");
        return figures;
    }
    figures.toneAtTwice = timeRuns(
        runs, [&] { twice.playTone(); }, [&] { twice.idle(); });
    figures.twiceMeasured = true;
    return figures;
}

} // namespace tolvo
