// The Linux window host knows whether its window can be seen from the
// structure events of the windows around it: hidden two levels up, or moved
// into a hidden window, it paints nothing; shown again, it paints; and an
// ordinary paint asks the server nothing.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <chrono>
#include <memory>
#include <thread>

#include "tools/tolvo-host/HostWindow.h"
#include "view/platform/x11/X11Display.h"
#include "view/platform/x11/X11Window.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr int32_t kWidth = 60;
constexpr int32_t kHeight = 40;

class PaintCounter : public PlatformWindowListener {
public:
    CMouseEventResult windowMouseDown(CPoint, CButtonState) override
    {
        return kMouseEventNotHandled;
    }
    void windowMouseUp(CPoint, CButtonState) override {}
    void windowMouseMoved(CPoint, CButtonState) override {}
    void windowMouseExited(CPoint, CButtonState) override {}
    void windowWheel(CPoint, CMouseWheelAxis, float, CButtonState) override {}
    void windowInputDelivered() override {}
    void windowPaint(void*, const CRect&) override { ++paints; }
    void windowDeviceReplaced() override {}
    void windowDestroyed() override {}

    int paints = 0;
};

// Host window -> a middle window of the test's -> the frame's window.
class NestedWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = HostWindow::create(kWidth, kHeight, "shown test");
        ASSERT_TRUE(host);
        display = openX11Display();
        ASSERT_NE(display, nullptr);
        middle = XCreateSimpleWindow(display, idOf(host->handle()), 0, 0, kWidth, kHeight, 0, 0, 0);
        XMapWindow(display, middle);
        XSync(display, False);
        window.reset(static_cast<X11Window*>(PlatformWindow::create(
            reinterpret_cast<void*>(uintptr_t(middle)), kWidth, kHeight, 0.0, &counter)));
        ASSERT_TRUE(window);
        // The first paints, and the server's notice that it has read them.
        settle();
    }

    void TearDown() override
    {
        window.reset();
        if (display)
            XCloseDisplay(display);
    }

    static Window idOf(void* handle) { return Window(reinterpret_cast<uintptr_t>(handle)); }

    void settle()
    {
        for (int round = 0; round < 5; ++round) {
            host->processEvents();
            window->idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    // Paints of one idle after the whole window was damaged.
    int paintsOfAnIdle()
    {
        XSync(display, False);
        const int before = counter.paints;
        window->invalidRect(CRect(0, 0, kWidth, kHeight));
        host->processEvents();
        window->idle();
        return counter.paints - before;
    }

    void show(Window target, bool shown)
    {
        if (shown)
            XMapWindow(display, target);
        else
            XUnmapWindow(display, target);
        XSync(display, False);
    }

    PaintCounter counter;
    std::unique_ptr<HostWindow> host;
    Display* display = nullptr;
    Window middle = None;
    std::unique_ptr<X11Window> window;
};

} // namespace

TEST_F(NestedWindow, AWindowHiddenTwoLevelsUpPaintsNothingUntilShown)
{
    ASSERT_GT(paintsOfAnIdle(), 0);
    show(idOf(host->handle()), false);
    EXPECT_EQ(paintsOfAnIdle(), 0) << "the host's top-level window is hidden";
    EXPECT_EQ(paintsOfAnIdle(), 0);
    show(idOf(host->handle()), true);
    EXPECT_GT(paintsOfAnIdle(), 0);

    show(middle, false);
    EXPECT_EQ(paintsOfAnIdle(), 0) << "the window's own parent is hidden";
    show(middle, true);
    EXPECT_GT(paintsOfAnIdle(), 0);
}

TEST_F(NestedWindow, AWindowMovedIntoAnotherFollowsItsNewAncestors)
{
    std::unique_ptr<HostWindow> other = HostWindow::create(kWidth, kHeight, "other host");
    ASSERT_TRUE(other);
    XReparentWindow(display, middle, idOf(other->handle()), 0, 0);
    XMapWindow(display, middle);
    XSync(display, False);
    settle();
    ASSERT_GT(paintsOfAnIdle(), 0);

    show(idOf(other->handle()), false);
    EXPECT_EQ(paintsOfAnIdle(), 0) << "the new top-level window is hidden";
    show(idOf(host->handle()), false);
    show(idOf(other->handle()), true);
    EXPECT_GT(paintsOfAnIdle(), 0) << "the former top-level window no longer counts";
}

TEST_F(NestedWindow, APaintAsksTheServerNothing)
{
    // Requests sent by the window's own connection for one paint: the copy of
    // the damaged area and nothing that waits for an answer.
    const unsigned long before = XNextRequest(window->getDisplay());
    ASSERT_EQ(paintsOfAnIdle(), 1);
    EXPECT_EQ(XNextRequest(window->getDisplay()) - before, 1ul);
}

} // namespace tolvo
