// A host hides the editor's window instead of closing it: while hidden the
// idle draws nothing, and the first idle after it is shown again draws the
// whole current state.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/support/editor/EditorHarness.h"
#include "tests/support/view/WindowSystem.h"

namespace tolvo {

namespace {

constexpr int kHiddenIdles = 100;
constexpr float kHiddenGain = 0.8f;

class EditorVisibilityTest : public EditorHarness {
protected:
    void pump(int rounds)
    {
        for (int round = 0; round < rounds; ++round) {
            host->processEvents();
            editor->idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::vector<uint8_t> pixels()
    {
        int32_t width = 0, height = 0;
        return host->capturePixels(width, height);
    }
};

TEST_F(EditorVisibilityTest, HiddenEditorDrawsNothingAndDrawsEverythingOnceShownAgain)
{
    open();
    pump(20);
    gui::CFrame* frame = editor->getFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_GT(frame->getPaintCount(), 0u);
    const std::vector<uint8_t> beforeHiding = pixels();

    showWindow(host->handle(), false);
    const uint32_t paintsWhenHidden = frame->getPaintCount();
    // The gain travels and the polarity switch turns on while nobody sees it.
    for (int idle = 1; idle <= kHiddenIdles; ++idle) {
        feed(0.0f);
        plug->setParameter(0, 0.5f + (kHiddenGain - 0.5f) * float(idle) / kHiddenIdles);
        if (idle == kHiddenIdles / 2)
            plug->setParameter(2, 1.0f);
        host->processEvents();
        editor->idle();
    }
    EXPECT_EQ(frame->getPaintCount(), paintsWhenHidden) << "a hidden window is not drawn";

    showWindow(host->handle(), true);
    host->processEvents();
    editor->idle();
    EXPECT_GT(frame->getPaintCount(), paintsWhenHidden) << "the first idle after showing draws";
    const std::vector<uint8_t> shownAgain = pixels();
    EXPECT_NE(shownAgain, beforeHiding);

    // The same state in a window opened afresh.
    editor->close();
    open();
    pump(20);
    EXPECT_EQ(shownAgain, pixels()) << "the first idle drew the whole current state";
}

} // namespace

} // namespace tolvo
