#include <gtest/gtest.h>

#include "tests/support/view/ViewTestDoubles.h"
#include "view/CTextEdit.h"

namespace tolvo {

using namespace gui;

namespace {

// A view that says when it is destroyed.
class TrackedView : public CView {
public:
    TrackedView(bool& destroyed) : CView(CRect(0, 0, 10, 10)), destroyed(destroyed) {}
    ~TrackedView() override { destroyed = true; }

private:
    bool& destroyed;
};

// A frame (0, 0, 200, 200) holding container C at (10, 20, 110, 120), which
// holds A (0, 0, 50, 50) and, added later and overlapping it, B (20, 20, 70, 70).
class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new RecordingFrame(CRect(0, 0, 200, 200));
        container = new CViewContainer(CRect(10, 20, 110, 120));
        a = new EventView("A", CRect(0, 0, 50, 50), log);
        b = new EventView("B", CRect(20, 20, 70, 70), log);
        container->addView(a);
        container->addView(b);
        frame->addView(container);
        frame->setDirty(false);
        frame->invalidated.clear();
    }

    void TearDown() override { frame->forget(); }

    Log log;
    RecordingFrame* frame = nullptr;
    CViewContainer* container = nullptr;
    EventView* a = nullptr;
    EventView* b = nullptr;
};

} // namespace

TEST_F(ContainerTest, LaterChildGetsThePressAndItsMovesAndReleaseInLocalCoordinates)
{
    // Frame point (40, 50) is (30, 30) in the container: inside both A and B.
    EXPECT_EQ(container->onMouseDown(CPoint(40, 50), kLButton), kMouseEventHandled);
    EXPECT_EQ(container->onMouseMoved(CPoint(45, 55), kLButton), kMouseEventHandled);
    EXPECT_EQ(container->onMouseUp(CPoint(46, 56), kLButton), kMouseEventHandled);
    EXPECT_EQ(log, (Log{"B down 30,30", "B moved 35,35", "B up 36,36"}));

    log.clear();
    EXPECT_EQ(container->onMouseMoved(CPoint(45, 55), 0), kMouseEventNotHandled);
    EXPECT_EQ(container->onMouseUp(CPoint(45, 55), 0), kMouseEventNotHandled);
    EXPECT_TRUE(log.empty());
}

TEST_F(ContainerTest, RightAndBottomEdgesHitAndOnePixelBeyondMisses)
{
    b->setVisible(false);
    EXPECT_EQ(container->onMouseDown(CPoint(60, 70), kLButton), kMouseEventHandled);
    EXPECT_EQ(container->onMouseDown(CPoint(61, 70), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(container->onMouseDown(CPoint(60, 71), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(container->onMouseDown(CPoint(10, 20), kLButton), kMouseEventHandled);
    EXPECT_EQ(log, (Log{"A down 50,50", "A down 0,0"}));
}

TEST_F(ContainerTest, ViewAnsweringThreeSeesNoMoveAndNoRelease)
{
    b->downAnswer = kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    EXPECT_EQ(container->onMouseDown(CPoint(40, 50), kLButton),
              kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_EQ(container->onMouseMoved(CPoint(41, 51), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(container->onMouseUp(CPoint(41, 51), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(log, (Log{"B down 30,30"}));
}

TEST_F(ContainerTest, InvisibleChildGetsNoMouseNoWheelAndPassesNoInvalidation)
{
    b->setVisible(false);
    container->onMouseDown(CPoint(40, 50), kLButton);
    EXPECT_FALSE(container->onWheel(CPoint(70, 80), 1.0f, 0)); // only B lies there
    frame->invalidated.clear();
    b->invalid();
    EXPECT_TRUE(frame->invalidated.empty());
    EXPECT_EQ(log, (Log{"A down 30,30"}));
}

TEST_F(ContainerTest, DisabledChildIsSkippedByTheMouseButStillGetsTheWheel)
{
    b->setMouseEnabled(false);
    container->onMouseDown(CPoint(40, 50), kLButton);
    EXPECT_TRUE(container->onWheel(CPoint(70, 80), 1.0f, 0));
    EXPECT_TRUE(container->onWheel(CPoint(70, 80), kMouseWheelAxisX, 1.0f, 0));
    EXPECT_EQ(log, (Log{"A down 30,30", "B wheel 1 60,60", "B wheel -1 60,60"}));
}

TEST_F(ContainerTest, KeysAreOfferedFromTheLastChildUntilOneAnswers)
{
    VstKeyCode key{'a', 0, 0};
    EXPECT_EQ(container->onKeyDown(key), -1);
    b->keyAnswer = 1;
    EXPECT_EQ(container->onKeyDown(key), 1);
    EXPECT_EQ(log, (Log{"B key", "A key", "B key"}));
}

TEST_F(ContainerTest, ModifiedAndRightClicksOnAControlGoToItsListenerFirst)
{
    RecordingListener listener(log);
    auto* control = new TestControl(CRect(80, 80, 90, 90), &listener, 7, log);
    container->addView(control);
    const CPoint onControl(95, 105);

    listener.modifierAnswer = 1;
    EXPECT_EQ(container->onMouseDown(onControl, kRButton), kMouseEventHandled);
    EXPECT_EQ(container->onMouseMoved(onControl, kRButton), kMouseEventNotHandled);

    listener.modifierAnswer = 0;
    container->onMouseDown(onControl, kLButton | kShift);
    container->onMouseDown(onControl, kLButton);
    container->onMouseDown(onControl, kLButton | kDoubleClick);
    EXPECT_EQ(log, (Log{"modifierClicked 7 8", "modifierClicked 7 18", "control down 18",
                        "control down 2", "control down 1026"}));
}

TEST_F(ContainerTest, DirtyContainerIsInvalidatedWholeWithoutVisitingItsChildren)
{
    container->setDirty(true);
    a->setDirty(true);
    frame->invalidateDirtyViews();
    EXPECT_EQ(frame->invalidated, (std::vector<CRect>{CRect(10, 20, 110, 120)}));
    EXPECT_TRUE(a->isDirty());
}

TEST_F(ContainerTest, DirtyChildrenAreInvalidatedOneByOneInFrameCoordinates)
{
    auto* wide = new EventView("W", CRect(80, 80, 150, 150), log);
    container->addView(wide);
    container->setDirty(false);
    frame->invalidated.clear();

    a->setDirty(true);
    b->setDirty(true);
    wide->setDirty(true);
    frame->invalidateDirtyViews();
    // W is cut to the container's rectangle.
    EXPECT_EQ(frame->invalidated, (std::vector<CRect>{CRect(10, 20, 60, 70), CRect(30, 40, 80, 90),
                                                      CRect(90, 100, 110, 120)}));
    EXPECT_FALSE(a->isDirty());
    EXPECT_FALSE(container->isDirty());
}

TEST_F(ContainerTest, ContainerIsDirtyOnlyThroughChildrenItShows)
{
    auto* outside = new EventView("O", CRect(150, 150, 160, 160), log);
    container->addView(outside);
    container->setDirty(false);

    outside->setDirty(true);
    EXPECT_FALSE(container->isDirty());
    a->setDirty(true);
    EXPECT_TRUE(container->isDirty());
    EXPECT_TRUE(frame->isDirty());
}

TEST_F(ContainerTest, RemovingWithForgetDestroysAFreshViewWithoutForgetLeavesItAlive)
{
    bool destroyed = false;
    auto* view = new TrackedView(destroyed);
    ASSERT_TRUE(container->addView(view));
    EXPECT_EQ(view->getNbReference(), 2);
    EXPECT_TRUE(container->removeView(view, true));
    EXPECT_TRUE(destroyed);

    destroyed = false;
    view = new TrackedView(destroyed);
    container->addView(view);
    EXPECT_FALSE(container->addView(view));
    EXPECT_TRUE(container->removeView(view, false));
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(view->getNbReference(), 1);
    EXPECT_FALSE(view->isAttached());
    EXPECT_EQ(view->getFrame(), nullptr);
    EXPECT_FALSE(container->removeView(view, false));
    EXPECT_EQ(container->getNbViews(), 2);
    view->forget();
    EXPECT_TRUE(destroyed);
}

TEST_F(ContainerTest, RemoveAllWithoutForgetHandsEveryChildBackToItsCreator)
{
    container->removeAll(false);
    EXPECT_EQ(container->getNbViews(), 0);
    EXPECT_EQ(a->getNbReference(), 1);
    EXPECT_FALSE(b->isAttached());
    a->forget();
    b->forget();
}

TEST_F(ContainerTest, RemovingTheViewUnderAPressForgetsIt)
{
    container->onMouseDown(CPoint(40, 50), kLButton);
    container->removeView(b, true);
    EXPECT_EQ(container->onMouseMoved(CPoint(41, 51), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(container->onMouseUp(CPoint(41, 51), kLButton), kMouseEventNotHandled);
}

TEST_F(ContainerTest, RemovingAContainerDropsTheFocusOfAViewInsideIt)
{
    b->setWantsFocus(true);
    frame->setFocusView(b);
    frame->removeView(container, true);
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(ContainerTest, ViewAtAndContainerAtSearchFromTheTopChild)
{
    EXPECT_EQ(frame->getViewAt(CPoint(40, 50), false), container);
    EXPECT_EQ(frame->getViewAt(CPoint(40, 50), true), b);
    EXPECT_EQ(frame->getViewAt(CPoint(150, 150), true), nullptr);
    EXPECT_EQ(frame->getContainerAt(CPoint(40, 50), true), container);
    EXPECT_EQ(frame->getContainerAt(CPoint(150, 150), true), frame);
    CPoint where(40, 50);
    EXPECT_EQ(b->frameToLocal(where), CPoint(30, 30));
    EXPECT_EQ(b->localToFrame(where), CPoint(40, 50));
}

TEST_F(ContainerTest, FocusWalksForwardAndBackThroughNestedContainers)
{
    auto* outer = new CViewContainer(CRect(0, 0, 200, 200));
    auto* first = new EventView("first", CRect(0, 0, 10, 10), log);
    auto* inner = new CViewContainer(CRect(0, 0, 50, 50));
    auto* plain = new EventView("plain", CRect(0, 0, 10, 10), log);
    auto* nested = new EventView("nested", CRect(10, 10, 20, 20), log);
    auto* last = new EventView("last", CRect(20, 20, 30, 30), log);
    for (EventView* view : {first, nested, last})
        view->setWantsFocus(true);
    inner->addView(plain);
    inner->addView(nested);
    outer->addView(first);
    outer->addView(inner);
    outer->addView(last);
    frame->addView(outer);

    EXPECT_TRUE(outer->advanceNextFocusView(nullptr));
    EXPECT_EQ(frame->getFocusView(), first);
    EXPECT_TRUE(outer->advanceNextFocusView(first));
    EXPECT_EQ(frame->getFocusView(), nested);
    EXPECT_TRUE(outer->advanceNextFocusView(last, true));
    EXPECT_EQ(frame->getFocusView(), nested);
    EXPECT_FALSE(outer->advanceNextFocusView(last));
    EXPECT_EQ(log, (Log{"first takeFocus", "nested takeFocus", "nested takeFocus"}));
}

TEST(ViewTypes, IsTypeOfAnswersTheClassAndEveryBase)
{
    Log log;
    auto* view = new CView(CRect());
    auto* container = new CViewContainer(CRect());
    auto* control = new TestControl(CRect(), nullptr, 0, log);
    EXPECT_TRUE(view->isTypeOf("CView"));
    EXPECT_FALSE(view->isTypeOf("CViewContainer"));
    EXPECT_TRUE(container->isTypeOf("CViewContainer"));
    EXPECT_TRUE(container->isTypeOf("CView"));
    EXPECT_FALSE(container->isTypeOf("CControl"));
    EXPECT_TRUE(control->isTypeOf("CControl"));
    EXPECT_TRUE(control->isTypeOf("CView"));
    EXPECT_FALSE(control->isTypeOf("CParamDisplay"));
    auto* field = new CTextEdit(CRect(), nullptr, 0);
    for (const char* name : {"CTextEdit", "CParamDisplay", "CControl", "CView"})
        EXPECT_TRUE(field->isTypeOf(name)) << name;
    EXPECT_FALSE(field->isTypeOf("CViewContainer"));
    field->forget();
    EXPECT_EQ(container->notify(view, kMsgCheckIfViewContainer), kMessageNotified);
    EXPECT_EQ(view->notify(container, kMsgCheckIfViewContainer), kMessageUnknown);
    view->forget();
    container->forget();
    control->forget();
}

} // namespace tolvo
