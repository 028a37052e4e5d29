#include <gtest/gtest.h>

#include "tests/support/view/OffscreenPixels.h"
#include "tests/support/view/PixelColours.h"
#include "view/CFontDesc.h"

namespace tolvo {

using namespace gui;

TEST(Geometry, BoundNeverLeavesANegativeSizeAndHitTestsIncludeEdges)
{
    CRect a(10, 10, 20, 20);
    a.bound(CRect(30, 5, 40, 8));
    EXPECT_EQ(a.width(), 0);
    EXPECT_EQ(a.height(), 0);
    EXPECT_TRUE(a.isEmpty());

    CRect b(0, 0, 10, 10);
    b.bound(CRect(5, -5, 15, 5));
    EXPECT_EQ(b, CRect(5, 0, 10, 5));

    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.pointInside(CPoint(10, 10)));
    EXPECT_TRUE(r.pointInside(CPoint(0, 0)));
    EXPECT_FALSE(r.pointInside(CPoint(11, 5)));
    EXPECT_FALSE(r.pointInside(CPoint(5, -1)));
    EXPECT_FALSE(r.rectOverlap(CRect(10, 0, 20, 10)));
    EXPECT_TRUE(r.rectOverlap(CRect(9, 9, 20, 20)));
}

TEST(DrawContext, StrokedRectangleOutlinesInsideWithWidthAndHeightMinusOne)
{
    auto* context = new COffscreenContext(nullptr, 20, 20);
    paintBackground(*context, kBlackCColor);
    context->setFrameColor(kRedCColor);
    context->drawRect(CRect(0, 0, 10, 10), kDrawStroked);

    OffscreenPixels pixels(*context);
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            const bool onOutline = x < 10 && y < 10 && (x == 0 || x == 9 || y == 0 || y == 9);
            ASSERT_EQ(pixels.at(x, y), onOutline ? kRed : kBlack) << "at " << x << "," << y;
        }
    }
    context->forget();
}

TEST(DrawContext, FilledAndStrokedFillsWholeRectangleThenOutlinesIt)
{
    auto* context = new COffscreenContext(nullptr, 12, 12);
    paintBackground(*context, kBlackCColor);
    context->setFrameColor(kRedCColor);
    context->setFillColor(CColor{0, 255, 0, 255});
    // A rectangle given right-to-left is normalised first.
    context->drawRect(CRect(8, 2, 2, 8), kDrawFilledAndStroked);

    OffscreenPixels pixels(*context);
    EXPECT_EQ(pixels.at(2, 2), kRed);
    EXPECT_EQ(pixels.at(7, 7), kRed);
    EXPECT_EQ(pixels.at(7, 4), kRed);
    EXPECT_EQ(pixels.at(3, 3), kGreen);
    EXPECT_EQ(pixels.at(6, 6), kGreen);
    EXPECT_EQ(pixels.at(8, 8), kBlack);
    EXPECT_EQ(pixels.inkBounds(kBlack), CRect(2, 2, 8, 8));
    context->forget();
}

TEST(DrawContext, LinesIncludeBothEndsAreMovedByTheOffsetAndAreNotSmoothed)
{
    auto* context = new COffscreenContext(nullptr, 16, 16);
    paintBackground(*context, kBlackCColor);
    context->setOffset(CPoint(2, 1));
    context->moveTo(CPoint(0, 0));
    context->lineTo(CPoint(3, 0));
    context->lineTo(CPoint(3, 4));
    context->moveTo(CPoint(5, 5));
    context->lineTo(CPoint(12, 9));

    OffscreenPixels pixels(*context);
    for (int32_t x = 2; x <= 5; ++x)
        EXPECT_EQ(pixels.at(x, 1), kWhite) << x;
    EXPECT_EQ(pixels.at(1, 1), kBlack);
    EXPECT_EQ(pixels.at(6, 1), kBlack);
    for (int32_t y = 1; y <= 5; ++y)
        EXPECT_EQ(pixels.at(5, y), kWhite) << y;
    EXPECT_EQ(pixels.at(5, 6), kBlack);
    EXPECT_EQ(pixels.at(7, 6), kWhite);
    EXPECT_EQ(pixels.at(14, 10), kWhite);
    // Copy mode: the slanted line has no partly covered pixels.
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 16; ++x)
            ASSERT_TRUE(pixels.at(x, y) == kBlack || pixels.at(x, y) == kWhite) << x << "," << y;
    context->forget();
}

TEST(DrawContext, ClipIsSetAndReadBackRelativeToTheOffset)
{
    auto* context = new COffscreenContext(nullptr, 20, 20);
    paintBackground(*context, kBlackCColor);
    CRect clip;
    EXPECT_EQ(context->getClipRect(clip), CRect(0, 0, 20, 20));

    context->setOffset(CPoint(5, 5));
    context->setClipRect(CRect(0, 0, 4, 4));
    EXPECT_EQ(context->getClipRect(clip), CRect(0, 0, 4, 4));
    context->setFillColor(kWhiteCColor);
    context->drawRect(CRect(-10, -10, 20, 20), kDrawFilled);

    context->setOffset(CPoint(0, 0));
    EXPECT_EQ(context->getClipRect(clip), CRect(5, 5, 9, 9));
    OffscreenPixels pixels(*context);
    EXPECT_EQ(pixels.inkBounds(kBlack), CRect(5, 5, 9, 9));
    EXPECT_EQ(pixels.at(5, 5), kWhite);
    EXPECT_EQ(pixels.at(8, 8), kWhite);
    context->forget();
}

TEST(DrawContext, SetFontSharesAMatchingFontAndMakesANewOneOtherwise)
{
    auto* context = new COffscreenContext(nullptr, 4, 4);
    EXPECT_EQ(context->getFont(), kSystemFont);

    const int32_t before = kNormalFont->getNbReference();
    context->setFont(kNormalFont);
    EXPECT_EQ(context->getFont(), kNormalFont);
    EXPECT_EQ(kNormalFont->getNbReference(), before + 1);
    context->setFont(kNormalFont, 12, 0);
    EXPECT_EQ(context->getFont(), kNormalFont);

    context->setFont(kNormalFont, 14);
    ASSERT_NE(context->getFont(), kNormalFont);
    EXPECT_EQ(kNormalFont->getNbReference(), before);
    EXPECT_EQ(context->getFont()->getName(), "Arial");
    EXPECT_EQ(context->getFont()->getSize(), 14);
    EXPECT_EQ(context->getFont()->getStyle(), 0);

    context->setFont(kNormalFont, 0, kBoldFace);
    EXPECT_EQ(context->getFont()->getSize(), 12);
    EXPECT_EQ(context->getFont()->getStyle(), kBoldFace);

    context->setFont(nullptr);
    EXPECT_NE(context->getFont(), nullptr);
    context->forget();
    EXPECT_EQ(kNormalFont->getNbReference(), before);
}

TEST(DrawContext, StringWidthIsMinusOneWithoutTextOrSomethingToMeasureOn)
{
    auto* offscreen = new COffscreenContext(nullptr, 4, 4);
    EXPECT_EQ(offscreen->getStringWidth(nullptr), -1);
    EXPECT_GT(offscreen->getStringWidth("123"), 10);
    EXPECT_LT(offscreen->getStringWidth("123"), offscreen->getStringWidth("123456"));
    offscreen->forget();

    auto* bare = new CDrawContext(nullptr, nullptr, nullptr);
    EXPECT_EQ(bare->getStringWidth("123"), -1);
    bare->drawString("123", CPoint(0, 10));
    bare->drawRect(CRect(0, 0, 10, 10));
    bare->forget();
}

} // namespace tolvo
