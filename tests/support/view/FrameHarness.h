// A frame living in a real top-level window, as a host would give it, with
// synthetic input aimed at it. The harness is the frame's editor and writes
// down the begin and end of edits.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "tests/support/view/InputInjector.h"
#include "tools/tolvo-host/HostWindow.h"
#include "view/CFrame.h"
#include "view/GUIEditorInterface.h"

namespace tolvo {

class FrameHarness : public gui::GUIEditorInterface {
public:
    explicit FrameHarness(const gui::CRect& size = gui::CRect(0, 0, 200, 150))
    {
        host = HostWindow::create(size.width() + 40, size.height() + 40, "frame test");
        if (!host)
            return;
        frame = new gui::CFrame(size, host->handle(), this);
        view = frame;
        if (frame->getPlatformWindow())
            input = InputInjector::create(frame->getPlatformWindow()->handle());
    }

    ~FrameHarness() override
    {
        if (frame)
            frame->forget();
    }

    bool ready() const { return frame && frame->getPlatformWindow() && input; }

    // Lets the window system deliver pending input and paints, as the host's
    // event loop and idle calls would, for about the given time.
    void pump(int milliseconds = 80)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        do {
            host->processEvents();
            view->idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < end);
    }

    // Pumps until the condition holds or a second has passed.
    bool pumpUntil(const std::function<bool()>& condition)
    {
        for (int round = 0; round < 50 && !condition(); ++round)
            pump(20);
        return condition();
    }

    void doIdleStuff() override {}
    int32_t getKnobMode() const override { return 0; }
    void beginEdit(int32_t index) override { edits.push_back(index + 1); }
    void endEdit(int32_t index) override { edits.push_back(-(index + 1)); }

    std::unique_ptr<HostWindow> host;
    std::unique_ptr<InputInjector> input;
    gui::CFrame* view = nullptr;
    // +(index + 1) for a begin, -(index + 1) for an end.
    std::vector<int32_t> edits;
};

} // namespace tolvo
