// Redraws driven by idle: only dirty views are painted, and what the window
// shows is what the frame renders offscreen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/view/RecordingViewsFixture.h"
#include "view/CBitmap.h"
#include "view/COffscreenContext.h"
#include "view/platform/GraphicsImage.h"

namespace tolvo {

using namespace gui;

namespace {

class FrameRedrawTest : public RecordingViewsFixture {
protected:
    void SetUp() override
    {
        RecordingViewsFixture::SetUp();
        if (HasFatalFailure())
            return;
        harness->view->setBackgroundColor(CColor{30, 60, 90, 255});
        first = addRecordingView(CRect(10, 10, 60, 60), "first", CColor{200, 40, 40, 255});
        second = addRecordingView(CRect(100, 70, 180, 130), "second", CColor{40, 200, 40, 255});
        harness->input->moveTo(CPoint(500, 400));
        ASSERT_TRUE(harness->pumpUntil([&] { return first->draws > 0 && second->draws > 0; }));
        harness->pump(150);
    }

    RecordingView* first = nullptr;
    RecordingView* second = nullptr;
};

TEST_F(FrameRedrawTest, OnlyDirtyViewsAreRepaintedAtTheNextIdle)
{
    int firstDraws = first->draws, secondDraws = second->draws;
    harness->pump(200);
    EXPECT_EQ(first->draws, firstDraws) << "painted without a dirty mark";
    EXPECT_EQ(second->draws, secondDraws);

    second->setDirty(true);
    EXPECT_EQ(second->draws, secondDraws) << "setDirty drew at once";
    ASSERT_TRUE(harness->pumpUntil([&] { return second->draws > secondDraws; }));
    harness->pump(100);
    EXPECT_EQ(second->draws, secondDraws + 1);
    EXPECT_EQ(first->draws, firstDraws);
}

TEST_F(FrameRedrawTest, ACleanViewBetweenTwoDirtyOnesIsNotRepainted)
{
    auto* between = addRecordingView(CRect(70, 20, 90, 60), "between", CColor{40, 40, 200, 255});
    ASSERT_TRUE(harness->pumpUntil([&] { return between->draws > 0; }));
    harness->pump(100);
    int firstDraws = first->draws, secondDraws = second->draws, betweenDraws = between->draws;

    first->setDirty(true);
    second->setDirty(true);
    ASSERT_TRUE(harness->pumpUntil(
        [&] { return first->draws > firstDraws && second->draws > secondDraws; }));
    harness->pump(100);
    EXPECT_EQ(between->draws, betweenDraws) << "repainted inside the two areas' bounding box";
}

TEST_F(FrameRedrawTest, WindowShowsTheFramesOwnOffscreenRendering)
{
    const CRect size = harness->view->getViewSize();
    auto* offscreen = new COffscreenContext(harness->view, size.width(), size.height());
    harness->view->drawRect(offscreen, size);
    // The picture is read once the context has let go of it.
    CBitmap* bitmap = offscreen->getBitmap();
    bitmap->remember();
    offscreen->forget();
    std::vector<uint8_t> rendered(size_t(size.width()) * size_t(size.height()) * 4);
    GraphicsImage* image = bitmap->getGraphicsImage();
    bool read = image && image->readPixels(rendered.data(), size.width() * 4);
    bitmap->forget();
    ASSERT_TRUE(read);

    int32_t width = 0, height = 0;
    std::vector<uint8_t> shown = harness->host->capturePixels(width, height);
    ASSERT_GE(width, size.width());
    ASSERT_GE(height, size.height());
    // The frame sits in the host window's top-left corner.
    int mismatches = 0;
    for (int32_t y = 0; y < size.height(); ++y) {
        for (int32_t x = 0; x < size.width(); ++x) {
            const uint8_t* a = &rendered[(size_t(y) * size_t(size.width()) + size_t(x)) * 4];
            const uint8_t* b = &shown[(size_t(y) * size_t(width) + size_t(x)) * 4];
            for (int channel = 0; channel < 3; ++channel)
                mismatches += std::abs(a[channel] - b[channel]) > 2 ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
    // The picture holds the background and both views' colours.
    const uint8_t* background = &shown[(size_t(5) * size_t(width) + 5) * 4];
    const uint8_t* inFirst = &shown[(size_t(30) * size_t(width) + 30) * 4];
    const uint8_t* inSecond = &shown[(size_t(100) * size_t(width) + 140) * 4];
    EXPECT_EQ(background[0], 90);
    EXPECT_EQ(inFirst[2], 200);
    EXPECT_EQ(inSecond[1], 200);
}

} // namespace

} // namespace tolvo
