// The fader and the dial in a real window, driven by synthetic input through
// the window system (XTest on Linux, SendInput on Windows): hit edges, the
// cap grab, travel and clamping, the dial's axis rule, the reset gestures,
// the edits reaching the editor and the pointer shown again in its place.
#include <gtest/gtest.h>

#include "tests/support/controls/ControlTestSupport.h"
#include "tests/support/controls/WindowState.h"
#include "tests/support/view/DoubleClickTiming.h"
#include "tests/support/view/FrameHarness.h"
#include "tests/support/view/ViewTestDoubles.h"
#include "view/CursorFunctions.h"

namespace tolvo {
namespace {

using gui::CPoint;
using tolvo::MouseButton;

constexpr int32_t kCapX = 57 + 80;
// Presses further apart than this are single ones: every two presses of the
// test are at least a pump apart.
constexpr int32_t kSingleClickTime = 1;
// A double click the test means pairs within this, however loaded the machine.
constexpr int32_t kDoubleClickTime = 5000;
const CPoint kBareFrame(20, 500);

class ControlMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<tolvo::FrameHarness>(gui::CRect(0, 0, 265, 534));
        ASSERT_TRUE(harness->ready()) << "no window or no synthetic input";
        fader = makeFader(images, 0.0f, &log);
        dial = makeDial(images, 0.5f, &log);
        harness->view->addView(fader);
        harness->view->addView(dial);
        // A click on the bare frame makes the window the active one, which
        // the keyboard's modifiers reach.
        click(kBareFrame);
        ASSERT_TRUE(harness->edits.empty());
    }

    // A press, paired with the previous one into a double click only when
    // asked: the double-click time is chosen for it, so nothing waits.
    void press(CPoint where, bool doubleClick = false)
    {
        harness->input->moveTo(where);
        harness->pump(40);
        setDoubleClickTime(doubleClick ? kDoubleClickTime : kSingleClickTime);
        harness->input->press(MouseButton::Left);
        harness->pump(40);
    }

    void release()
    {
        harness->input->release(MouseButton::Left);
        harness->pump(40);
    }

    void moveTo(CPoint where)
    {
        harness->input->moveTo(where);
        harness->pump(40);
    }

    void click(CPoint where, bool doubleClick = false)
    {
        press(where, doubleClick);
        release();
    }

    // The pointer's place on the screen.
    CPoint screenPointer()
    {
        CPoint where(-1, -1);
        harness->pump(20);
        gui::getCursorPosition(where.x, where.y);
        return where;
    }

    // A press at the cap's middle row, a move by dy and the release; answers
    // where the pointer sat on the screen before the press.
    CPoint dragCap(int32_t dy)
    {
        const int32_t middle =
            kFaderRect.top + int32_t((1.0f - fader->getPosition()) * 352.0f) + 29;
        moveTo(CPoint(kCapX, middle));
        const CPoint start = screenPointer();
        press(CPoint(kCapX, middle));
        moveTo(CPoint(kCapX, middle + dy));
        release();
        return start;
    }

    std::vector<int32_t> edits() const { return harness->edits; }

    // The last value reported, or -1 when none was.
    float lastValue() const { return log.values.empty() ? -1.0f : log.values.back(); }

    // Puts the session's own double-click time back after the test.
    DoubleClickTimeScope doubleClickTime{kSingleClickTime};
    std::unique_ptr<tolvo::FrameHarness> harness;
    Images images;
    RecordingListener log;
    nFader* fader = nullptr;
    nDial* dial = nullptr;
};

TEST_F(ControlMouse, FaderTakesPressesOnItsFarEdgesButNotOnTheMeter)
{
    // The cap sits at the bottom, so the far corner is on it.
    click(CPoint(kFaderRect.right, kFaderRect.bottom));
    EXPECT_EQ(edits(), (std::vector<int32_t>{1, -1}));
    click(CPoint(kFaderRect.right + 1, kFaderRect.bottom));
    click(CPoint(kFaderRect.right, kFaderRect.bottom + 1));
    click(CPoint(kFaderRect.left + 63, kFaderRect.bottom));
    EXPECT_EQ(edits(), (std::vector<int32_t>{1, -1}));
    EXPECT_TRUE(log.values.empty());
}

TEST_F(ControlMouse, FaderGrabsOnlyWithinThirtyOnePixelsOfTheCapsMiddle)
{
    fader->setValue(0.5f);
    const int32_t middle = kFaderRect.top + 173;
    press(CPoint(kCapX, middle - 32));
    moveTo(CPoint(kCapX, middle - 132));
    release();
    EXPECT_TRUE(edits().empty());
    EXPECT_EQ(fader->getValue(), 0.5f);

    press(CPoint(kCapX, middle + 31));
    moveTo(CPoint(kCapX, middle - 69));
    release();
    EXPECT_EQ(edits(), (std::vector<int32_t>{1, -1}));
    EXPECT_NEAR(fader->getPosition(), 0.5909f + 100.0f / 352.0f, 0.0001f);
}

TEST_F(ControlMouse, FaderSweepsIn352PixelsClampsExactlyAndPutsThePointerOverTheCap)
{
    const CPoint start = dragCap(-352);
    EXPECT_EQ(lastValue(), 1.0f);
    EXPECT_TRUE(pointerShown());
    CPoint after = screenPointer();
    EXPECT_EQ(after.x, start.x);
    EXPECT_EQ(after.y, start.y - 352);

    // Far past the bottom: exactly 0, and the pointer comes back over the
    // cap, not where the hand went.
    const CPoint top = dragCap(+450);
    EXPECT_EQ(lastValue(), 0.0f);
    after = screenPointer();
    EXPECT_EQ(after.y, top.y + 352);
    EXPECT_EQ(edits(), (std::vector<int32_t>{1, -1, 1, -1}));
    EXPECT_TRUE(pointerShown());
}

TEST_F(ControlMouse, FaderWithShiftNeedsTenTimesTheTravel)
{
    if (!syntheticModifiersReachMouseEvents())
        GTEST_SKIP() << "synthetic modifier keys do not reach the window here";
    // 3520 pixels for the whole travel: a 352-pixel drag moves a tenth.
    // (Longer drags would leave the screen.)
    harness->input->holdShift(true);
    dragCap(-352);
    EXPECT_NEAR(fader->getPosition(), 0.1f, 0.0001f);
    dragCap(-352);
    EXPECT_NEAR(fader->getPosition(), 0.2f, 0.0001f);
    dragCap(+176);
    harness->input->holdShift(false);
    EXPECT_NEAR(fader->getPosition(), 0.15f, 0.0001f);
    dragCap(+200);
    EXPECT_EQ(lastValue(), 0.0f);
}

TEST_F(ControlMouse, PointerIsHiddenDuringADragOnly)
{
    ASSERT_TRUE(pointerShown());
    press(CPoint(kCapX, kFaderRect.top + 381));
    moveTo(CPoint(kCapX, kFaderRect.top + 300));
    EXPECT_FALSE(pointerShown());
    release();
    EXPECT_TRUE(pointerShown());
}

TEST_F(ControlMouse, ModifierClicksAndDoubleClicksResetBothControls)
{
    if (!syntheticModifiersReachMouseEvents())
        GTEST_SKIP() << "synthetic modifier keys do not reach the window here";
    const CPoint onCap(kCapX, kFaderRect.top + 381);
    const CPoint onDial(195, 171);
    harness->input->holdControl(true);
    click(onCap);
    harness->input->holdControl(false);
    EXPECT_EQ(fader->getValue(), 0.5f);
    EXPECT_EQ(lastValue(), 0.5f);

    fader->setValue(0.0f);
    dial->setValue(0.0f);
    harness->input->holdShift(true);
    harness->input->holdAlt(true);
    click(onCap);
    click(onDial);
    harness->input->holdAlt(false);
    harness->input->holdShift(false);
    EXPECT_EQ(fader->getValue(), 0.5f);
    EXPECT_EQ(dial->getValue(), 0.5f);

    // A double click: the first click is an ordinary press and release, the
    // second resets.
    dial->setValue(0.9f);
    click(onDial);
    EXPECT_EQ(dial->getValue(), 0.9f);
    click(onDial, true);
    EXPECT_EQ(dial->getValue(), 0.5f);
    EXPECT_EQ(lastValue(), 0.5f);
    EXPECT_EQ(edits(), (std::vector<int32_t>{1, -1, 1, -1, 2, -2, 2, -2, 2, -2}));
    EXPECT_TRUE(pointerShown());
}

TEST_F(ControlMouse, DialFollowsTheLargerMovementAndPutsThePointerBack)
{
    const CPoint centre(195, 171);
    const struct {
        int32_t dx, dy;
        float degrees;
    } moves[] = {{10, -3, 10.0f}, {3, -10, 10.0f}, {5, 5, -5.0f}};
    for (const auto& move : moves) {
        moveTo(centre);
        const CPoint start = screenPointer();
        const float before = dial->getAngle();
        press(centre);
        moveTo(CPoint(centre.x + move.dx, centre.y + move.dy));
        release();
        EXPECT_FLOAT_EQ(dial->getAngle() - before, move.degrees) << move.dx << "," << move.dy;
        EXPECT_EQ(screenPointer(), start);
        EXPECT_TRUE(pointerShown());
    }
    harness->input->holdShift(true);
    const float before = dial->getAngle();
    press(centre);
    moveTo(CPoint(centre.x + 10, centre.y));
    release();
    harness->input->holdShift(false);
    EXPECT_NEAR(dial->getAngle() - before, 1.0f, 0.0001f);
    EXPECT_EQ(edits(), (std::vector<int32_t>{2, -2, 2, -2, 2, -2, 2, -2}));
}

TEST_F(ControlMouse, DialStopsAtExactlyZeroAndOneAndTakesItsFarEdges)
{
    press(CPoint(kTrimDialRect.right, kTrimDialRect.bottom));
    moveTo(CPoint(kTrimDialRect.right, kTrimDialRect.bottom - 250));
    EXPECT_EQ(lastValue(), 1.0f);
    moveTo(CPoint(kTrimDialRect.right - 200, kTrimDialRect.bottom - 250));
    moveTo(CPoint(kTrimDialRect.right - 200, kTrimDialRect.bottom + 150));
    EXPECT_EQ(lastValue(), 0.0f);
    EXPECT_EQ(dial->getAngle(), 0.0f);
    release();
    click(CPoint(kTrimDialRect.right + 1, kTrimDialRect.top));
    EXPECT_EQ(edits(), (std::vector<int32_t>{2, -2}));
}

} // namespace
} // namespace tolvo
