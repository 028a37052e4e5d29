// The fader's partial redraw: a meter change recomposes and invalidates only
// the rows it changed, and the picture it leaves is the one a whole redraw of
// the final state composes.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "tests/support/controls/ControlTestSupport.h"
#include "tests/support/view/OffscreenPixels.h"
#include "tests/support/view/ViewTestDoubles.h"

namespace tolvo {
namespace {

constexpr int32_t kPanelWidth = 265;
constexpr int32_t kPanelHeight = 534;
constexpr double kNoHold = std::numeric_limits<double>::quiet_NaN();

// One meter state: bar, RMS line and the peak and RMS holds (gains).
struct MeterState {
    double bar;
    double rms;
    double peakHold;
    double rmsHold;
};

class FaderRedraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new RecordingFrame(gui::CRect(0, 0, kPanelWidth, kPanelHeight));
        fader = makeFader(images, 0.5f);
        frame->addView(fader);
        frame->setDirty(false);
    }

    void TearDown() override { frame->forget(); }

    static void apply(nFader* target, const MeterState& state)
    {
        const double levels[8] = {state.bar, 0, 0, 0, state.rms, 0, 0, 0};
        target->setMeterLevels(levels, true);
        const double holds[4] = {state.peakHold, kNoHold, state.rmsHold, kNoHold};
        target->setHoldLevels(holds);
    }

    // The fader's work pixels followed by what its draw put on a context
    // under its rectangle: the picture composed and the picture shown.
    static std::vector<uint8_t> drawn(nFader* target)
    {
        auto* context = new gui::COffscreenContext(nullptr, kPanelWidth, kPanelHeight);
        target->draw(context);
        const CDIB* work = target->getWorkImage();
        std::vector<uint8_t> pixels(work->getPixels(),
                                    work->getPixels() + work->getRowBytes() * work->getHeight());
        const OffscreenPixels shown(*context);
        context->forget();
        const gui::CRect& area = target->getViewSize();
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const uint8_t* row = &shown.bytes[(size_t(y) * shown.width + area.left) * 4];
            pixels.insert(pixels.end(), row, row + size_t(area.width()) * 4);
        }
        return pixels;
    }

    // The picture a new fader composes whole for the state.
    std::vector<uint8_t> freshPicture(const MeterState& state, bool fine, bool post)
    {
        nFader* fresh = makeFader(images, fader->getValue());
        fresh->setFineMode(fine, 0);
        fresh->setPostFader(post);
        apply(fresh, state);
        std::vector<uint8_t> pixels = drawn(fresh);
        fresh->forget();
        return pixels;
    }

    // Invalidates the fader as the frame's idle does and answers the rectangles.
    std::vector<gui::CRect> idleInvalidations()
    {
        frame->invalidated.clear();
        frame->invalidateDirtyViews();
        return frame->invalidated;
    }

    Images images;
    RecordingFrame* frame = nullptr;
    nFader* fader = nullptr;
};

} // namespace

// Every step from one meter state to the next, including markers that appear,
// move and vanish and levels crossing labels, ends in the whole picture.
TEST_F(FaderRedraw, MeterStepsEndInThePictureAWholeRedrawComposes)
{
    const MeterState states[] = {
        {0.0, 0.0, kNoHold, kNoHold}, {1.0, 0.5, 1.0, 0.5},         {1.1, 0.5, 1.1, 0.5},
        {0.05, 0.01, 2.0, 0.02},      {8.0, 8.0, 8.0, 8.0},         {0.001, 0.0005, kNoHold, 0.3},
        {0.3, 0.2, 0.3, kNoHold},     {0.0, 0.0, kNoHold, kNoHold},
    };
    for (const bool fine : {false, true}) {
        for (const bool post : {false, true}) {
            fader->setFineMode(fine, 0);
            fader->setPostFader(post);
            drawn(fader);
            for (const MeterState& state : states) {
                apply(fader, state);
                ASSERT_EQ(drawn(fader), freshPicture(state, fine, post))
                    << "bar " << state.bar << " fine " << fine << " post " << post;
            }
        }
    }
}

TEST_F(FaderRedraw, AMeterChangeInvalidatesOnlyTheRowsItChangedLeftOfTheScale)
{
    const MeterRows& rows = fader->getMeterRows();
    apply(fader, {rows.level[201], 0.0, kNoHold, kNoHold});
    drawn(fader);
    idleInvalidations();

    // Rows 200 and 199 light as well: two rows of the meter, whole labels
    // they cross included, and none of the cap's columns.
    apply(fader, {rows.level[198], 0.0, kNoHold, kNoHold});
    const std::vector<gui::CRect> band = idleInvalidations();
    ASSERT_EQ(band.size(), 1u);
    EXPECT_EQ(band[0].left, kFaderRect.left);
    EXPECT_LT(band[0].right, kFaderRect.left + nFader::kCapLeft);
    EXPECT_LE(band[0].top, kFaderRect.top + 20 + 199);
    EXPECT_GE(band[0].bottom, kFaderRect.top + 20 + 201);
    EXPECT_LT(band[0].height(), 20) << "more than the rows and a label";
    EXPECT_FALSE(fader->isDirty());

    // Levels lighting the same rows mark nothing at all.
    drawn(fader);
    apply(fader, {0.5 * (rows.level[198] + rows.level[199]), 0.0, kNoHold, kNoHold});
    EXPECT_TRUE(idleInvalidations().empty());
}

TEST_F(FaderRedraw, AnyOtherChangeInvalidatesAndRecomposesTheWholeFader)
{
    apply(fader, {0.5, 0.2, 0.5, 0.2});
    drawn(fader);
    idleInvalidations();

    // A mark from outside the meter (the editor after a host change).
    apply(fader, {0.6, 0.2, 0.6, 0.2});
    fader->setDirty(true);
    EXPECT_EQ(idleInvalidations(), std::vector<gui::CRect>{kFaderRect});

    // The cap moves together with the meter: the whole picture follows.
    drawn(fader);
    fader->setValue(0.8f);
    apply(fader, {0.7, 0.3, 0.7, 0.3});
    EXPECT_EQ(idleInvalidations(), std::vector<gui::CRect>{kFaderRect});
    EXPECT_EQ(drawn(fader), freshPicture({0.7, 0.3, 0.7, 0.3}, false, false));
}

TEST_F(FaderRedraw, TheFaderCoversItsRectangleOverTheOpaquePanel)
{
    EXPECT_TRUE(fader->isOpaque());
    // Off the panel the copy beneath is transparent, and so is the picture.
    nFader* offPanel = makeFader(images, 0.5f, nullptr, gui::CRect(200, 0, 296, 401));
    EXPECT_FALSE(offPanel->isOpaque());
    offPanel->forget();
}

} // namespace tolvo
