// The host closes or destroys the editor while the user is in the middle of a
// gesture: the host's edit ends once, after the automation values, the pointer
// the window system shows is visible and was not moved, and nothing of the
// gesture is left for the next window.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "tests/support/editor/HostedEditor.h"
#include "tests/support/view/ChildWindows.h"
#include "tests/support/view/WindowSystem.h"

namespace tolvo {

namespace {

// The middle of the fader cap at 0 dB, and of the trim dial.
const gui::CPoint kCapAtZeroDecibels(57 + 64 + 18, 48 + 144 + 29);
const gui::CPoint kDialCentre(180 + 15, 156 + 15);
const gui::CPoint kGainFieldInside(130, 460);
constexpr int kDragSteps = 6;
constexpr int kStepPixels = 5;
// A second host window beside the first one.
constexpr int32_t kSecondHostX = 320;

class EditorLifetimeTest : public HostedEditor {
protected:
    // Presses at a point and moves up in steps, without releasing.
    void startDrag(InputInjector& mouse, gui::CPoint from, const std::function<void()>& idle)
    {
        mouse.moveTo(from);
        idle();
        mouse.press(MouseButton::Left);
        idle();
        for (int step = 1; step <= kDragSteps; ++step) {
            mouse.moveTo({from.x, from.y - kStepPixels * step});
            idle();
        }
    }
    void startDrag(gui::CPoint from)
    {
        startDrag(*input, from, [this] { pump(30); });
    }

    // Polls the window system for a while: the cursor another connection
    // set needs a moment to reach the server.
    static bool eventually(const std::function<bool()>& condition)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // The begin, automation and end calls for one parameter, in order.
    static std::vector<HostCall> gestureOf(VstInt32 index, AEffect* effect = nullptr)
    {
        std::vector<HostCall> gesture;
        for (const HostCall& call : HostLog::instance().calls()) {
            const bool gestureCall = call.opcode == audioMasterBeginEdit ||
                                     call.opcode == audioMasterEndEdit ||
                                     call.opcode == audioMasterAutomate;
            if (gestureCall && call.index == index && (!effect || call.effect == effect))
                gesture.push_back(call);
        }
        return gesture;
    }

    // One begin, at least one automation value, and one end as the last call.
    static void expectOneWholeGesture(const std::vector<HostCall>& gesture)
    {
        ASSERT_GE(gesture.size(), 3u);
        EXPECT_EQ(gesture.front().opcode, audioMasterBeginEdit);
        EXPECT_EQ(gesture.back().opcode, audioMasterEndEdit);
        const auto ends = std::count_if(gesture.begin(), gesture.end(), [](const HostCall& call) {
            return call.opcode == audioMasterEndEdit;
        });
        EXPECT_EQ(ends, 1);
        for (size_t i = 1; i + 1 < gesture.size(); ++i)
            EXPECT_EQ(gesture[i].opcode, audioMasterAutomate) << "call " << i;
    }

    // A whole drag and release over the editor in this host window: the
    // pointer hides during it and shows again after the release.
    void expectDragHidesAndShowsThePointer(InputInjector& mouse, gui::CPoint from,
                                           const std::function<void()>& idle)
    {
        startDrag(mouse, from, idle);
        EXPECT_TRUE(eventually([] { return !pointerVisible(); }))
            << "the pointer hides during a drag";
        mouse.release(MouseButton::Left);
        idle();
        EXPECT_TRUE(eventually([&] {
            idle();
            return pointerVisible();
        })) << "the pointer shows after the release";
    }

    // The editor closed by the host in mid-drag of the control under from.
    void closeInMidDrag(gui::CPoint from, VstInt32 index)
    {
        openEditor();
        HostLog::instance().clear();
        startDrag(from);
        const gui::CPoint pointerBeforeClose = pointerOnScreen();
        closeEditor();

        expectOneWholeGesture(gestureOf(index));
        EXPECT_TRUE(eventually(pointerVisible)) << "the pointer shows again";
        EXPECT_EQ(pointerOnScreen(), pointerBeforeClose)
            << "the pointer stays where the user left it";
        input->release(MouseButton::Left);
        host->processEvents();
        const size_t callsAfterClose = gestureOf(index).size();
        pump(60);
        EXPECT_EQ(gestureOf(index).size(), callsAfterClose)
            << "the release after the close adds nothing";

        // A new window knows nothing of the old gesture.
        openEditor();
        expectDragHidesAndShowsThePointer(*input, from, [this] { pump(30); });
    }
};

TEST_F(EditorLifetimeTest, FaderDragEndsWhenTheHostClosesTheEditor)
{
    closeInMidDrag(kCapAtZeroDecibels, 0);
}

TEST_F(EditorLifetimeTest, DialDragEndsWhenTheHostClosesTheEditor)
{
    closeInMidDrag(kDialCentre, 1);
}

TEST_F(EditorLifetimeTest, InstanceClosedInMidDragEndsTheEdit)
{
    openEditor();
    HostLog::instance().clear();
    startDrag(kCapAtZeroDecibels);
    AEffect* effect = plugin->effect();
    plugin->close();
    plugin.reset();
    expectOneWholeGesture(gestureOf(0, effect));
    EXPECT_TRUE(eventually(pointerVisible));
    EXPECT_EQ(childWindowCount(host->handle()), 0);
    input->release(MouseButton::Left);
    host->processEvents();
}

TEST_F(EditorLifetimeTest, HostWindowDestroyedFirstThenCloseEndsTheEdit)
{
    openEditor();
    HostLog::instance().clear();
    startDrag(kCapAtZeroDecibels);
    host.reset();
    plugin->dispatch(effEditIdle);
    plugin->dispatch(effEditClose);
    expectOneWholeGesture(gestureOf(0));
    EXPECT_TRUE(eventually(pointerVisible));
    input->release(MouseButton::Left);
}

TEST_F(EditorLifetimeTest, ClosingWithTypedGainTextCommitsNothing)
{
    openEditor();
    const Picture fieldBefore = picture(kGainField);
    const float gainBefore = plugin->getParameter(0);
    HostLog::instance().clear();
    click(kGainFieldInside);
    ASSERT_EQ(childWindowCount(host->handle()), 1);
    input->type("12");
    pump(80);
    closeEditor();

    EXPECT_EQ(childWindowCount(host->handle()), 0) << "the entry went with the frame";
    EXPECT_EQ(plugin->getParameter(0), gainBefore);
    EXPECT_TRUE(calls(audioMasterAutomate).empty());
    ASSERT_EQ(calls(audioMasterBeginEdit).size(), 1u);
    ASSERT_EQ(calls(audioMasterEndEdit).size(), 1u);
    EXPECT_EQ(calls(audioMasterEndEdit)[0].index, 0);

    openEditor();
    EXPECT_EQ(picture(kGainField), fieldBefore) << "the reopened field shows the engine's text";
}

TEST_F(EditorLifetimeTest, HostClosingTheEditorInItsAnswerToTheEditsEndIsSafe)
{
    openEditor();
    AEffect* effect = plugin->effect();
    HostLog::instance().setCallHook([effect](const HostCall& call) {
        if (call.opcode == audioMasterEndEdit && call.effect == effect)
            effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0.0f);
    });
    HostLog::instance().clear();
    startDrag(kCapAtZeroDecibels);
    input->release(MouseButton::Left);
    pump(60);
    const std::vector<HostCall> dragged = gestureOf(0);

    // The same through the Gain entry: Return ends its edit.
    openEditor();
    click(kGainFieldInside);
    input->type("3");
    input->press(EditKey::Return);
    pump(60);
    HostLog::instance().setCallHook(nullptr);

    expectOneWholeGesture(dragged);
    EXPECT_EQ(childWindowCount(host->handle()), 0) << "the window went once its dispatch returned";
    EXPECT_TRUE(eventually(pointerVisible));
    // The typed 3 dB was committed; the cap goes back to 0 dB for the next drag.
    plugin->setParameter(0, 0.5f);
    openEditor();
    expectDragHidesAndShowsThePointer(*input, kCapAtZeroDecibels, [this] { pump(30); });
}

TEST_F(EditorLifetimeTest, SecondEditorHidesAndShowsThePointerAfterTheFirstClosedInMidDrag)
{
    PluginInstance second(builtModule());
    ASSERT_NE(second.effect(), nullptr);
    std::unique_ptr<HostWindow> secondHost =
        HostWindow::create(kEditorWidth, kEditorHeight, "second editor", kSecondHostX, 0);
    ASSERT_TRUE(secondHost);
    std::unique_ptr<InputInjector> secondInput = InputInjector::create(secondHost->handle());
    ASSERT_TRUE(secondInput);
    const auto idleBoth = [&] {
        for (int round = 0; round < 3; ++round) {
            host->processEvents();
            secondHost->processEvents();
            plugin->dispatch(effEditIdle);
            second.dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    };
    openEditor();
    ASSERT_EQ(second.dispatch(effEditOpen, 0, 0, secondHost->handle()), 1);
    idleBoth();

    HostLog::instance().clear();
    startDrag(*input, kCapAtZeroDecibels, idleBoth);
    closeEditor();
    expectOneWholeGesture(gestureOf(0, plugin->effect()));
    input->release(MouseButton::Left);
    idleBoth();

    expectDragHidesAndShowsThePointer(*secondInput, kDialCentre, idleBoth);
    expectDragHidesAndShowsThePointer(*secondInput, kCapAtZeroDecibels, idleBoth);
    second.dispatch(effEditClose);
}

} // namespace

} // namespace tolvo
