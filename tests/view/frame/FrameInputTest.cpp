// Synthetic input through the window system reaching views through the frame:
// button bits, coordinates, capture, double clicks, the wheel, enter and exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/support/view/RecordingViewsFixture.h"
#include "view/CursorFunctions.h"

namespace tolvo {

using namespace gui;

namespace {

class FrameInputTest : public RecordingViewsFixture {
protected:
    void SetUp() override
    {
        RecordingViewsFixture::SetUp();
        if (HasFatalFailure())
            return;
        left = addRecordingView(CRect(10, 10, 60, 60), "left");
        right = addRecordingView(CRect(100, 10, 150, 60), "right");
        harness->input->moveTo(kEmpty);
        harness->pump();
        log.clear();
    }

    void click(CPoint where)
    {
        harness->input->moveTo(where);
        harness->input->press(MouseButton::Left);
        harness->input->release(MouseButton::Left);
    }

    std::vector<ViewEvent> eventsOf(const char* view, const char* kind) const
    {
        std::vector<ViewEvent> found;
        std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                     [&](const ViewEvent& e) { return e.view == view && e.kind == kind; });
        return found;
    }

    // Synthetic pointer positions may land a pixel off on some systems.
    static bool nearOutside(const CPoint& where)
    {
        return std::abs(where.x - kOutside.x) <= 1 && std::abs(where.y - kOutside.y) <= 1;
    }

    // The host window is the frame's size plus 40 pixels each way.
    static bool outsideHostWindow(const CPoint& where) { return where.x > 240 || where.y > 190; }

    static std::string describe(const std::vector<ViewEvent>& events)
    {
        std::string text;
        for (const ViewEvent& e : events)
            text += e.view + " " + e.kind + " (" + std::to_string(e.where.x) + ", " +
                    std::to_string(e.where.y) + ") " + std::to_string(e.buttons) + "\n";
        return text;
    }

    bool has(const char* view, const char* kind, size_t count = 1) const
    {
        return eventsOf(view, kind).size() >= count;
    }

    // Inside the frame but over no view; and outside the host's window.
    static constexpr CPoint kEmpty{180, 140};
    static constexpr CPoint kOutside{400, 300};

    RecordingView* left = nullptr;
    RecordingView* right = nullptr;
};

TEST_F(FrameInputTest, PressesReachTheViewWithButtonBitsAndFrameCoordinates)
{
    click(CPoint(20, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "up"); }));
    ViewEvent down = eventsOf("left", "down").at(0);
    EXPECT_EQ(down.where, CPoint(20, 30));
    EXPECT_EQ(down.buttons, kLButton);
    EXPECT_EQ(eventsOf("left", "up").at(0).buttons & kLButton, 0);

    harness->input->moveTo(CPoint(120, 25));
    harness->input->holdShift(true);
    harness->input->press(MouseButton::Right);
    harness->input->release(MouseButton::Right);
    harness->input->holdShift(false);
    ASSERT_TRUE(harness->pumpUntil([&] { return has("right", "up"); }));
    down = eventsOf("right", "down").at(0);
    EXPECT_EQ(down.where, CPoint(120, 25));
    EXPECT_EQ(down.buttons, kRButton | kShift);
    EXPECT_TRUE(eventsOf("left", "down").size() == 1) << "the other view saw the second press";
}

TEST_F(FrameInputTest, HandledPressCapturesMovesOutsideTheWindowUntilRelease)
{
    harness->input->moveTo(CPoint(20, 30));
    harness->input->press(MouseButton::Left);
    // The press is handled before the pointer moves on, as with a hand on the mouse.
    harness->pump();
    harness->input->moveTo(kOutside);
    ASSERT_TRUE(harness->pumpUntil([&] {
        auto moves = eventsOf("left", "moved");
        return !moves.empty() && nearOutside(moves.back().where);
    })) << describe(log);
    EXPECT_EQ(eventsOf("left", "moved").back().buttons & kLButton, kLButton);

    harness->input->release(MouseButton::Left);
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "up"); }));
    EXPECT_TRUE(nearOutside(eventsOf("left", "up").at(0).where));

    size_t movesBefore = eventsOf("left", "moved").size();
    harness->input->moveTo(CPoint(kOutside.x + 20, kOutside.y + 10));
    harness->pump();
    EXPECT_EQ(eventsOf("left", "moved").size(), movesBefore) << "capture outlived the release";
}

TEST_F(FrameInputTest, PressLeavesTheViewUnderThePointerUntilTheFirstMoveAfterRelease)
{
    harness->input->moveTo(CPoint(20, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "entered"); }));
    harness->input->press(MouseButton::Left);
    harness->pump();
    harness->input->moveTo(CPoint(25, 35));
    harness->pump();
    harness->input->release(MouseButton::Left);
    harness->pump();
    harness->input->moveTo(CPoint(26, 36));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "entered", 2); }));
    std::vector<std::string> kinds;
    for (const ViewEvent& event : log) {
        if (kinds.empty() || kinds.back() != event.kind)
            kinds.push_back(event.kind);
    }
    EXPECT_EQ(kinds,
              (std::vector<std::string>{"entered", "exited", "down", "moved", "up", "entered"}))
        << describe(log);
    EXPECT_EQ(eventsOf("left", "moved").at(0).buttons & kLButton, kLButton);
}

TEST_F(FrameInputTest, CursorPositionIsReadAndPutBackInScreenCoordinates)
{
    click(CPoint(20, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "up"); }));
    int32_t startX = 0, startY = 0, x = 0, y = 0;
    ASSERT_TRUE(getCursorPosition(startX, startY));
    harness->input->moveTo(CPoint(50, 60));
    ASSERT_TRUE(harness->pumpUntil([&] { return getCursorPosition(x, y) && x != startX; }));
    EXPECT_NEAR(x - startX, 30, 1);
    EXPECT_NEAR(y - startY, 30, 1);

    harness->view->getPlatformWindow()->hidePointer(true);
    setCursorPosition(startX + 5, startY + 5);
    harness->view->getPlatformWindow()->hidePointer(false);
    CPoint where;
    ASSERT_TRUE(harness->pumpUntil(
        [&] { return harness->view->getCurrentMouseLocation(where) && where != CPoint(50, 60); }));
    EXPECT_NEAR(where.x, 25, 1);
    EXPECT_NEAR(where.y, 35, 1);
}

TEST_F(FrameInputTest, UnhandledPressDoesNotCapture)
{
    left->downResult = kMouseEventNotHandled;
    harness->input->moveTo(CPoint(20, 30));
    harness->input->press(MouseButton::Left);
    harness->pump();
    harness->input->moveTo(kOutside);
    harness->pump(150);
    harness->input->release(MouseButton::Left);
    harness->pump();
    EXPECT_TRUE(has("left", "down"));
    EXPECT_FALSE(has("left", "up"));
    for (const ViewEvent& event : log)
        EXPECT_FALSE(outsideHostWindow(event.where))
            << event.view << " " << event.kind << " outside the window";
}

TEST_F(FrameInputTest, SecondQuickPressCarriesTheDoubleClickBit)
{
    click(CPoint(20, 30));
    click(CPoint(21, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "down", 2); }));
    auto downs = eventsOf("left", "down");
    EXPECT_EQ(downs[0].buttons, kLButton);
    EXPECT_EQ(downs[1].buttons, kLButton | kDoubleClick);
}

TEST_F(FrameInputTest, WheelNotchesGiveWholeDistancesAndSmallDeltasNone)
{
    harness->input->moveTo(CPoint(30, 40));
    harness->input->wheel(120);
    harness->input->wheel(-120);
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "wheel", 2); }));
    auto wheels = eventsOf("left", "wheel");
    EXPECT_EQ(wheels[0].distance, 1.0f);
    EXPECT_EQ(wheels[1].distance, -1.0f);
    EXPECT_EQ(wheels[0].where, CPoint(30, 40));
    EXPECT_EQ(wheels[0].buttons, 0);

    if (harness->input->hasFineWheel()) {
        harness->input->wheel(60);
        ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "wheel", 3); }));
        EXPECT_EQ(eventsOf("left", "wheel")[2].distance, 0.0f);
    }
}

TEST_F(FrameInputTest, WheelDuringADragDoesNothing)
{
    harness->input->moveTo(CPoint(30, 40));
    harness->input->press(MouseButton::Left);
    harness->input->wheel(120);
    harness->pump(150);
    harness->input->release(MouseButton::Left);
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "up"); }));
    EXPECT_FALSE(has("left", "wheel"));
}

TEST_F(FrameInputTest, EnterAndExitFollowThePointerBetweenViewsAndOutOfTheWindow)
{
    harness->input->moveTo(CPoint(20, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("left", "entered"); }));
    EXPECT_EQ(eventsOf("left", "entered").at(0).where, CPoint(20, 30));

    harness->input->moveTo(CPoint(120, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return has("right", "entered"); }));
    EXPECT_TRUE(has("left", "exited"));

    harness->input->moveTo(kOutside);
    ASSERT_TRUE(harness->pumpUntil([&] { return has("right", "exited"); }));
    EXPECT_EQ(eventsOf("left", "exited").size(), 1u);
}

} // namespace

} // namespace tolvo
