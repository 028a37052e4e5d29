// A container paints its background only where no opaque child covers it,
// and the uncovered area it computes for that is exact.
#include <gtest/gtest.h>

#include "tests/support/view/PixelColours.h"
#include "tests/support/view/ViewTestDoubles.h"
#include "view/UncoveredArea.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr CColor kBlueCColor{0, 0, 255, 255};

// A view that draws nothing, so whatever is beneath it shows: the container's
// blue, or the frame's black painted before it.
class SayOpaqueView : public CView {
public:
    SayOpaqueView(const CRect& size, bool opaque) : CView(size), opaque(opaque) {}
    bool isOpaque() const override { return opaque; }

private:
    bool opaque;
};

// A frame (0, 0, 100, 100) holding a blue container at (10, 10, 90, 90) with
// one child at (20, 20, 40, 40) in it, drawn over a white offscreen.
// Only the container's background is under test: the frame paints its own.
class OpaqueChildDraw : public ::testing::Test {
protected:
    void make(bool opaque)
    {
        frame = new RecordingFrame(CRect(0, 0, 100, 100));
        container = new CViewContainer(CRect(10, 10, 90, 90));
        container->setBackgroundColor(kBlueCColor);
        child = new SayOpaqueView(CRect(20, 20, 40, 40), opaque);
        container->addView(child);
        frame->addView(container);
        offscreen = new COffscreenContext(frame, 100, 100);
        fill(*offscreen, CRect(0, 0, 100, 100), kWhiteCColor);
    }

    void TearDown() override
    {
        offscreen->forget();
        frame->forget();
    }

    RecordingFrame* frame = nullptr;
    CViewContainer* container = nullptr;
    SayOpaqueView* child = nullptr;
    COffscreenContext* offscreen = nullptr;
};

// Whether each of the w x h pixels from (0, 0) lies in one of the pieces,
// and how many pieces hold it.
std::vector<int> coverage(const UncoveredArea& area, int32_t w, int32_t h)
{
    std::vector<int> hits(size_t(w) * h, 0);
    for (int32_t i = 0; i < area.count(); ++i)
        for (int32_t y = area[i].top; y < area[i].bottom; ++y)
            for (int32_t x = area[i].left; x < area[i].right; ++x)
                ++hits[size_t(y) * w + x];
    return hits;
}

} // namespace

TEST_F(OpaqueChildDraw, TheBackgroundIsNotPaintedBeneathAnOpaqueChild)
{
    make(true);
    frame->drawRect(offscreen, CRect(0, 0, 100, 100));
    Pixels pixels(*offscreen);
    // The child sits at (30, 30, 50, 50) in the frame.
    EXPECT_EQ(pixels.count(CRect(30, 30, 50, 50), kBlack), 400);
    EXPECT_EQ(pixels.count(CRect(10, 10, 90, 90), kBlue), 80 * 80 - 400);

    // An update inside the child gets none of the container's background.
    fill(*offscreen, CRect(0, 0, 100, 100), kBlueCColor);
    frame->drawRect(offscreen, CRect(32, 32, 45, 45));
    Pixels updated(*offscreen);
    EXPECT_EQ(updated.count(CRect(32, 32, 45, 45), kBlack), 13 * 13);
    EXPECT_EQ(updated.count(CRect(0, 0, 100, 100), kBlue), 100 * 100 - 13 * 13);
}

TEST_F(OpaqueChildDraw, BeneathAChildNotOpaqueOrHiddenTheBackgroundIsPainted)
{
    make(false);
    frame->drawRect(offscreen, CRect(0, 0, 100, 100));
    EXPECT_EQ(Pixels(*offscreen).count(CRect(10, 10, 90, 90), kBlue), 80 * 80);

    TearDown();
    make(true);
    child->setVisible(false);
    frame->drawRect(offscreen, CRect(0, 0, 100, 100));
    EXPECT_EQ(Pixels(*offscreen).count(CRect(10, 10, 90, 90), kBlue), 80 * 80);
}

TEST(UncoveredArea, PiecesAreDisjointAndHoldExactlyThePixelsNoCoverTakes)
{
    const CRect covers[] = {CRect(5, 5, 15, 15), CRect(10, 0, 12, 30), CRect(-5, 20, 40, 25),
                            CRect(18, 18, 19, 19), CRect(0, 0, 30, 30)};
    UncoveredArea area(CRect(0, 0, 30, 30));
    std::vector<bool> covered(30 * 30, false);
    for (const CRect& cover : covers) {
        area.cover(cover);
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 30; ++x)
                if (cover.pointInside(CPoint(x, y)) && x < cover.right && y < cover.bottom)
                    covered[size_t(y) * 30 + x] = true;
        const std::vector<int> hits = coverage(area, 30, 30);
        for (size_t i = 0; i < hits.size(); ++i)
            ASSERT_EQ(hits[i], covered[i] ? 0 : 1) << "pixel " << i;
    }
    EXPECT_EQ(area.count(), 0);
}

TEST(UncoveredArea, TooManyPiecesGiveTheWholeRectangleBack)
{
    UncoveredArea area(CRect(0, 0, 100, 100));
    // Small holes in a row: each splits a piece into more.
    for (int32_t i = 0; i < 20; ++i)
        area.cover(CRect(2 + i * 4, 50, 3 + i * 4, 51));
    ASSERT_EQ(area.count(), 1);
    EXPECT_EQ(area[0], CRect(0, 0, 100, 100));
}

} // namespace tolvo
