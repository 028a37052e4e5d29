// The control base and the gestures of the fader and the dial, driven by
// direct mouse calls inside a frame without a window: hit areas, the reset
// gesture, drag arithmetic and the edits that reach the editor.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "tests/support/controls/ControlTestSupport.h"
#include "tests/support/view/ViewTestDoubles.h"
#include "view/CFrame.h"

namespace tolvo {
namespace {

using gui::CPoint;
using gui::kLButton;

// The base alone, drawn by nobody.
class PlainControl : public nControl {
public:
    using nControl::nControl;
    void draw(gui::CDrawContext*) override {}
};

class Gestures : public ::testing::Test {
protected:
    void SetUp() override { frame = new gui::CFrame(gui::CRect(0, 0, 265, 534), nullptr, &editor); }
    void TearDown() override { frame->forget(); }

    template <typename Control>
    Control* add(Control* control)
    {
        frame->addView(control);
        return control;
    }

    // The fader's cap middle row in frame coordinates.
    static int32_t capMiddle(float place)
    {
        return kFaderRect.top + int32_t((1.0f - place) * 352.0f) + 29;
    }

    Images images;
    RecordingEditor editor;
    RecordingListener listener;
    gui::CFrame* frame = nullptr;
};

TEST_F(Gestures, BaseStoresAnyValueCopiesThePanelAndEditsOnlyThroughTheFrame)
{
    auto* control =
        add(new PlainControl(gui::CRect(250, 520, 270, 540), &listener, 7, images.panel, 0.25f));
    EXPECT_EQ(control->getValue(), 0.25f);
    EXPECT_EQ(control->getResetValue(), 0.25f);
    for (float v : {-3.5f, 7.0f, std::numeric_limits<float>::infinity()}) {
        control->setValue(v);
        EXPECT_EQ(control->getValue(), v);
    }
    control->setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(std::isnan(control->getValue()));
    EXPECT_EQ(control->newCopy(), nullptr);

    control->beginEdit();
    control->endEdit();
    EXPECT_EQ(editor.edits, (std::vector<int32_t>{8, -8}));
    EXPECT_EQ(listener.brackets, 0);
    EXPECT_EQ(frame->getFocusView(), nullptr);

    // Partly outside the panel: what lies inside is copied, the rest stays zero.
    const CDIB* background = control->getBackgroundImage();
    ASSERT_EQ(background->getWidth(), 20);
    const uint8_t* inside = background->getPixels() + 13 * 80 + 14 * 4;
    EXPECT_EQ(std::memcmp(inside, images.panel->getPixels() + 533 * 265 * 4 + 264 * 4, 4), 0);
    const uint8_t zero[4] = {};
    EXPECT_EQ(std::memcmp(background->getPixels() + 13 * 80 + 15 * 4, zero, 4), 0);
    EXPECT_EQ(std::memcmp(background->getPixels() + 14 * 80, zero, 4), 0);
}

TEST_F(Gestures, FaderHitsFromSixtyFourPixelsInToBothFarEdges)
{
    nFader* fader = add(makeFader(images, 0.0f, &listener));
    const int32_t right = kFaderRect.right;
    const int32_t bottom = kFaderRect.bottom;
    for (const CPoint& miss : {CPoint(kFaderRect.left + 63, bottom), CPoint(right + 1, bottom),
                               CPoint(right, bottom + 1), CPoint(right, kFaderRect.top - 1)})
        EXPECT_EQ(fader->onMouseDown(miss, kLButton),
                  gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents)
            << miss.x << "," << miss.y;
    EXPECT_TRUE(editor.edits.empty());

    // The cap lies at the bottom: a press on the far corner grabs it.
    EXPECT_EQ(fader->onMouseDown(CPoint(right, bottom), kLButton), gui::kMouseEventHandled);
    EXPECT_TRUE(fader->isDragging());
    EXPECT_EQ(fader->onMouseUp(CPoint(right, bottom), 0), gui::kMouseEventHandled);
    EXPECT_EQ(fader->onMouseDown(CPoint(kFaderRect.left + 64, bottom), kLButton),
              gui::kMouseEventHandled);
    fader->onMouseUp(CPoint(kFaderRect.left + 64, bottom), 0);
    EXPECT_EQ(editor.edits, (std::vector<int32_t>{1, -1, 1, -1}));
}

TEST_F(Gestures, FaderGrabsTheCapWithinThirtyOnePixelsOfItsMiddleRow)
{
    nFader* fader = add(makeFader(images, 0.5f, &listener));
    const int32_t middle = capMiddle(fader->getPosition());
    EXPECT_EQ(middle, kFaderRect.top + 173);
    const int32_t x = kFaderRect.left + 80;
    for (int32_t away : {-32, 32}) {
        EXPECT_EQ(fader->onMouseDown(CPoint(x, middle + away), kLButton), gui::kMouseEventHandled);
        EXPECT_FALSE(fader->isDragging()) << away;
        fader->onMouseMoved(CPoint(x, middle + away - 50), kLButton);
        fader->onMouseUp(CPoint(x, middle + away - 50), 0);
    }
    EXPECT_EQ(fader->getValue(), 0.5f);
    EXPECT_TRUE(editor.edits.empty());
    EXPECT_TRUE(listener.values.empty());
    for (int32_t away : {-31, 31}) {
        fader->onMouseDown(CPoint(x, middle + away), kLButton);
        EXPECT_TRUE(fader->isDragging()) << away;
        fader->onMouseUp(CPoint(x, middle + away), 0);
    }
    EXPECT_EQ(editor.edits, (std::vector<int32_t>{1, -1, 1, -1}));
}

TEST_F(Gestures, FaderTravelIs352PixelsOr3520WithShiftAndClampsExactly)
{
    nFader* fader = add(makeFader(images, 0.0f, &listener));
    const int32_t x = kFaderRect.left + 80;
    int32_t y = capMiddle(0.0f);
    fader->onMouseDown(CPoint(x, y), kLButton);
    fader->onMouseMoved(CPoint(x, y - 176), kLButton);
    EXPECT_FLOAT_EQ(fader->getPosition(), 0.5f);
    fader->onMouseMoved(CPoint(x, y - 352), kLButton);
    EXPECT_EQ(fader->getPosition(), 1.0f);
    EXPECT_EQ(listener.values.back(), 1.0f);
    fader->onMouseMoved(CPoint(x, y - 500), kLButton);
    EXPECT_EQ(listener.values.back(), 1.0f);
    fader->onMouseMoved(CPoint(x, y + 400), kLButton);
    EXPECT_EQ(listener.values.back(), 0.0f);
    EXPECT_EQ(fader->getPosition(), 0.0f);
    fader->onMouseUp(CPoint(x, y + 400), 0);

    // With Shift every pixel counts a tenth.
    fader->onMouseDown(CPoint(x, y), kLButton);
    for (int32_t step = 1; step <= 10; ++step)
        fader->onMouseMoved(CPoint(x, y - 35 * step), kLButton | gui::kShift);
    EXPECT_NEAR(fader->getPosition(), 350.0f / 3520.0f, 1e-6f);
    fader->onMouseUp(CPoint(x, y - 350), 0);
    EXPECT_EQ(listener.values.size(), 14u);
}

TEST_F(Gestures, FaderDragInFineModeMovesTheFinePositionOnly)
{
    nFader* fader = add(makeFader(images, 0.5f, &listener));
    fader->setFineMode(true, 0);
    const float base = fader->getPosition();
    const int32_t x = kFaderRect.left + 80;
    const int32_t y = capMiddle(0.5f);
    fader->onMouseDown(CPoint(x, y), kLButton);
    fader->onMouseMoved(CPoint(x, y - 88), kLButton);
    EXPECT_FLOAT_EQ(fader->getFinePosition(), 0.75f);
    EXPECT_EQ(fader->getPosition(), base);
    // Three quarters up the +-6.02 dB window is +3.01 dB.
    EXPECT_NEAR(listener.values.back(), valueOfDb(3.0103), 1e-5f);
    fader->onMouseMoved(CPoint(x, y - 400), kLButton);
    EXPECT_EQ(fader->getFinePosition(), 1.0f);
    fader->onMouseUp(CPoint(x, y - 400), 0);
}

TEST_F(Gestures, FaderResetGesturesGoToZeroDbOrTheWindowsCentre)
{
    nFader* fader = add(makeFader(images, 0.2f, &listener));
    const CPoint onSlot(kFaderRect.left + 80, kFaderRect.top + 10);
    for (gui::CButtonState buttons :
         {kLButton | gui::kControl, kLButton | gui::kAlt | gui::kShift,
          kLButton | gui::kDoubleClick, kLButton | gui::kControl | gui::kShift}) {
        fader->setValue(0.2f);
        editor.edits.clear();
        EXPECT_EQ(fader->onMouseDown(onSlot, buttons),
                  gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        EXPECT_EQ(fader->getValue(), 0.5f) << buttons;
        EXPECT_EQ(listener.values.back(), 0.5f);
        EXPECT_EQ(editor.edits, (std::vector<int32_t>{1, -1}));
        EXPECT_FALSE(fader->isDragging());
    }
    fader->setValue(0.8f);
    fader->setFineMode(true, 0);
    fader->setValue(valueOfDb(12.0));
    ASSERT_NE(fader->getFinePosition(), 0.5f);
    fader->onMouseDown(onSlot, kLButton | gui::kControl);
    EXPECT_EQ(fader->getFinePosition(), 0.5f);
    EXPECT_TRUE(fader->isFineMode());
}

TEST_F(Gestures, DialTakesTheLargerMovementOneDegreePerPixel)
{
    nDial* dial = add(makeDial(images, 0.5f, &listener));
    const CPoint start(195, 171);
    const struct {
        int32_t dx, dy;
        gui::CButtonState buttons;
        float degrees;
    } moves[] = {{10, -3, 0, 10.0f}, {3, -10, 0, 10.0f}, {5, 5, 0, -5.0f},
                 {-4, 4, 0, -4.0f},  {-7, 2, 0, -7.0f},  {10, 0, gui::kShift, 1.0f}};
    for (const auto& move : moves) {
        ASSERT_EQ(dial->onMouseDown(start, kLButton), gui::kMouseEventHandled);
        const float before = dial->getAngle();
        dial->onMouseMoved(CPoint(start.x + move.dx, start.y + move.dy), kLButton | move.buttons);
        EXPECT_FLOAT_EQ(dial->getAngle() - before, move.degrees) << move.dx << "," << move.dy;
        dial->onMouseUp(start, 0);
    }
    EXPECT_EQ(editor.edits.size(), 12u);

    dial->onMouseDown(start, kLButton);
    dial->onMouseMoved(CPoint(start.x, start.y - 400), kLButton);
    EXPECT_EQ(listener.values.back(), 1.0f);
    dial->onMouseMoved(CPoint(start.x - 500, start.y - 400), kLButton);
    EXPECT_EQ(listener.values.back(), 0.0f);
    dial->onMouseUp(start, 0);
}

TEST_F(Gestures, DialHitsBothFarEdgesAndResetsToTheMiddle)
{
    nDial* dial = add(makeDial(images, 0.1f, &listener));
    EXPECT_EQ(dial->onMouseDown(CPoint(kTrimDialRect.right + 1, kTrimDialRect.bottom), kLButton),
              gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_EQ(dial->onMouseDown(CPoint(kTrimDialRect.left, kTrimDialRect.top - 1), kLButton),
              gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_TRUE(editor.edits.empty());
    EXPECT_EQ(dial->onMouseDown(CPoint(kTrimDialRect.right, kTrimDialRect.bottom), kLButton),
              gui::kMouseEventHandled);
    dial->onMouseUp(CPoint(kTrimDialRect.right, kTrimDialRect.bottom), 0);
    EXPECT_EQ(dial->getValue(), 0.1f) << "a press alone moved the dial";

    for (gui::CButtonState buttons :
         {kLButton | gui::kControl, kLButton | gui::kAlt, kLButton | gui::kDoubleClick,
          kLButton | gui::kAlt | gui::kShift}) {
        dial->setValue(0.1f);
        EXPECT_EQ(dial->onMouseDown(CPoint(kTrimDialRect.left, kTrimDialRect.top), buttons),
                  gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        EXPECT_EQ(dial->getValue(), 0.5f);
        EXPECT_EQ(listener.values.back(), 0.5f);
        EXPECT_FALSE(dial->isDragging());
    }
    EXPECT_EQ(editor.edits, (std::vector<int32_t>{2, -2, 2, -2, 2, -2, 2, -2, 2, -2}));
}

TEST_F(Gestures, MovesAndReleasesWithoutADragDoNothing)
{
    nFader* fader = add(makeFader(images, 0.5f, &listener));
    nDial* dial = add(makeDial(images, 0.5f, &listener));
    EXPECT_EQ(fader->onMouseMoved(CPoint(120, 100), kLButton), gui::kMouseEventHandled);
    EXPECT_EQ(fader->onMouseUp(CPoint(120, 100), 0), gui::kMouseEventHandled);
    EXPECT_EQ(dial->onMouseMoved(CPoint(190, 100), kLButton), gui::kMouseEventHandled);
    EXPECT_EQ(dial->onMouseUp(CPoint(190, 100), 0), gui::kMouseEventHandled);
    EXPECT_TRUE(listener.values.empty());
    EXPECT_TRUE(editor.edits.empty());
    EXPECT_FALSE(fader->onWheel(CPoint(120, 100), 1.0f, 0));
    EXPECT_FALSE(dial->onWheel(CPoint(190, 170), 1.0f, 0));
    EXPECT_EQ(fader->getValue(), 0.5f);
    EXPECT_EQ(dial->getValue(), 0.5f);
}

} // namespace
} // namespace tolvo
