// The editor's frame without a window: its child entries, ticks, and what a
// frame without a native window refuses.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "controls/CTBKFrame.h"
#include "tests/support/view/RecordingView.h"

namespace tolvo {

using namespace gui;

namespace {

TEST(EditorFrameTest, EntriesRunFromTheFirstAddedToTheLastAddedChild)
{
    auto* frame = new CTBKFrame(CRect(0, 0, 265, 534), nullptr, nullptr);
    EXPECT_EQ(frame->getFirstViewEntry(), frame->noViewEntry());
    EXPECT_EQ(frame->getLastViewEntry(), frame->noViewEntry());

    std::vector<ViewEvent> log;
    auto* first = new RecordingView(CRect(0, 0, 10, 10), "first", log);
    auto* second = new RecordingView(CRect(20, 0, 30, 10), "second", log);
    frame->addView(first);
    frame->addView(second);
    ASSERT_NE(frame->getFirstViewEntry(), frame->noViewEntry());
    EXPECT_EQ(*frame->getFirstViewEntry(), first);
    EXPECT_EQ(*frame->getLastViewEntry(), second);
    EXPECT_EQ(*std::next(frame->getFirstViewEntry()), second);
    frame->forget();
}

TEST(EditorFrameTest, WithoutAHostWindowNothingIsCreatedOrPainted)
{
    auto* frame = new CTBKFrame(CRect(0, 0, 100, 100), nullptr, nullptr);
    EXPECT_EQ(frame->getPlatformWindow(), nullptr);
    EXPECT_TRUE(frame->isOpen());
    EXPECT_TRUE(frame->isTypeOf("CFrame"));
    EXPECT_TRUE(frame->isTypeOf("CViewContainer"));
    CRect rect;
    EXPECT_FALSE(frame->getSize(rect));
    int32_t x = 0, y = 0;
    EXPECT_FALSE(frame->getPosition(x, y));
    EXPECT_FALSE(frame->setSize(50, 50));
    CPoint where;
    EXPECT_FALSE(frame->getCurrentMouseLocation(where));
    frame->idle();
    frame->forget();
}

TEST(EditorFrameTest, TicksCountMilliseconds)
{
    auto* frame = new CTBKFrame(CRect(0, 0, 10, 10), nullptr, nullptr);
    uint32_t before = frame->getTicks();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    uint32_t elapsed = frame->getTicks() - before;
    EXPECT_GE(elapsed, 50u);
    EXPECT_LT(elapsed, 2000u);
    frame->forget();
}

} // namespace

} // namespace tolvo
