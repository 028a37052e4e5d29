#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/view/ViewTestDoubles.h"

namespace tolvo {

using namespace gui;

namespace {

// A control with tag 3 inside a frame whose editor and the control's
// listener log into the same list.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new RecordingFrame(CRect(0, 0, 100, 100), &editor);
        control = new TestControl(CRect(10, 10, 20, 20), &listener, 3, log);
        frame->addView(control);
    }

    void TearDown() override { frame->forget(); }

    Log log;
    RecordingEditor editor{log};
    RecordingListener listener{log};
    RecordingFrame* frame = nullptr;
    TestControl* control = nullptr;
};

} // namespace

TEST_F(ControlTest, NewControlIsDirtyAndDrawingRecordsTheValue)
{
    auto* fresh = new TestControl(CRect(), nullptr, 0, log);
    EXPECT_TRUE(fresh->isDirty());
    EXPECT_EQ(fresh->getOldValue(), -1.0f);
    EXPECT_EQ(fresh->getDefaultValue(), 0.5f);
    EXPECT_EQ(fresh->getWheelInc(), 0.1f);
    fresh->setDirty(false);
    EXPECT_FALSE(fresh->isDirty());
    fresh->setValue(0.25f);
    EXPECT_TRUE(fresh->isDirty());
    fresh->forget();
}

TEST_F(ControlTest, ValueOfMinusOneStaysDirtyAfterSetDirty)
{
    control->setValue(-1.0f);
    control->setDirty(false);
    EXPECT_FALSE(control->isDirty());
    control->setDirty(true);
    EXPECT_EQ(control->getOldValue(), 0.0f);
    control->CView::setDirty(false);
    EXPECT_TRUE(control->isDirty());
}

TEST_F(ControlTest, NaNValueCountsAsChanged)
{
    control->setValue(std::nanf(""));
    control->setDirty(false);
    EXPECT_TRUE(control->isDirty());
}

TEST_F(ControlTest, SetValueStoresAsGivenAndBounceValueBoundsToTheRange)
{
    control->setValue(1.5f);
    EXPECT_EQ(control->getValue(), 1.5f);
    control->bounceValue();
    EXPECT_EQ(control->getValue(), 1.0f);
    control->setMin(0.2f);
    control->setValue(-3.0f);
    control->bounceValue();
    EXPECT_EQ(control->getValue(), 0.2f);
    control->setValue(0.7f);
    control->bounceValue();
    EXPECT_EQ(control->getValue(), 0.7f);
}

TEST_F(ControlTest, CtrlLeftClickResetsToDefaultInsideOneEdit)
{
    control->setValue(0.9f);
    control->setDirty(false);
    EXPECT_TRUE(control->checkDefaultValue(kControl | kLButton));
    EXPECT_EQ(control->getValue(), 0.5f);
    EXPECT_EQ(log, (Log{"controlBeginEdit 3", "host begin 3", "valueChanged 3", "host end 3",
                        "controlEndEdit 3"}));
    EXPECT_EQ(frame->getFocusView(), control);
}

TEST_F(ControlTest, ResetAtTheDefaultValueReportsNoChange)
{
    control->setValue(0.5f);
    control->setDirty(false);
    EXPECT_TRUE(control->checkDefaultValue(kControl | kLButton));
    EXPECT_EQ(log, (Log{"controlBeginEdit 3", "host begin 3", "host end 3", "controlEndEdit 3"}));
}

TEST_F(ControlTest, OtherButtonSetsDoNotReset)
{
    control->setValue(0.9f);
    for (CButtonState buttons : {kControl | kShift | kLButton, kControl | kLButton | kDoubleClick,
                                 kLButton, kControl | kRButton, kControl})
        EXPECT_FALSE(control->checkDefaultValue(buttons)) << buttons;
    EXPECT_EQ(control->getValue(), 0.9f);
    EXPECT_TRUE(log.empty());
}

} // namespace tolvo
