#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/view/OffscreenPixels.h"
#include "tests/support/view/PixelColours.h"
#include "view/CFontDesc.h"
#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsFont.h"

namespace tolvo {

using namespace gui;

namespace {

COffscreenContext* blackOffscreen(int32_t width, int32_t height)
{
    auto* context = new COffscreenContext(nullptr, width, height);
    paintBackground(*context, kBlackCColor);
    return context;
}

double lineHeightOf(COffscreenContext& context)
{
    GraphicsFont* font = context.getFont()->getPlatformFont();
    return font ? context.getCanvas()->lineHeight(*font) : 0.0;
}

} // namespace

TEST(TextDraw, CentredStringSitsOnePixelAboveTheBottomMinusHalfTheRectangle)
{
    // A 12-pixel font in a 20-pixel-high rectangle: y = bottom + 6 - 10 - 1.
    const CRect rect(10, 30, 110, 50);
    auto* centred = blackOffscreen(120, 60);
    centred->setFont(kSystemFont);
    centred->drawString("0123", rect, kCenterText);

    auto* placed = blackOffscreen(120, 60);
    const int32_t width = placed->getStringWidth("0123");
    const int32_t x = int32_t(60 - width * 0.5);
    placed->setClipRect(rect);
    placed->drawString("0123", CPoint(x, 45));

    OffscreenPixels a(*centred);
    OffscreenPixels b(*placed);
    EXPECT_EQ(a.bytes, b.bytes);

    // The ink lies inside the line box, which ends one pixel below y = 45.
    const CRect ink = a.inkBounds(kBlack);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom, 46);
    EXPECT_GE(ink.top, int32_t(std::floor(46 - lineHeightOf(*centred))));
    EXPECT_GE(ink.left, x);
    EXPECT_LE(ink.right, x + width + 1);
    // Digits stand on the baseline, well below the top of the line box.
    EXPECT_GT(ink.bottom, 40);
    centred->forget();
    placed->forget();
}

TEST(TextDraw, LeftAndRightAlignmentAndTheRectangleClip)
{
    const CRect rect(0, 0, 60, 20);
    auto* left = blackOffscreen(80, 20);
    left->drawString("88", rect, kLeftText);
    auto* right = blackOffscreen(80, 20);
    right->drawString("88", rect, kRightText);
    const int32_t width = right->getStringWidth("88");

    const CRect leftInk = OffscreenPixels(*left).inkBounds(kBlack);
    const CRect rightInk = OffscreenPixels(*right).inkBounds(kBlack);
    ASSERT_FALSE(leftInk.isEmpty());
    EXPECT_LE(leftInk.left, 3);
    EXPECT_EQ(rightInk.left - leftInk.left, 60 - width);
    EXPECT_EQ(rightInk.top, leftInk.top);

    // Text is clipped to the rectangle and the previous clip comes back.
    auto* clipped = blackOffscreen(80, 20);
    clipped->drawString("8888888888", CRect(0, 0, 12, 20), kLeftText);
    EXPECT_LE(OffscreenPixels(*clipped).inkBounds(kBlack).right, 12);
    CRect clip;
    EXPECT_EQ(clipped->getClipRect(clip), CRect(0, 0, 80, 20));
    left->forget();
    right->forget();
    clipped->forget();
}

TEST(TextDraw, MissingFaceDrawsWithTheFallbackFaceAtTheSameSize)
{
    auto* missing = new CFontDesc("Tolvo No Such Face", 12);
    auto* fallback = new CFontDesc(GraphicsFont::fallbackFaceName().c_str(), 12);
    auto* bigger = new CFontDesc("Tolvo No Such Face", 18);

    auto* a = blackOffscreen(100, 30);
    a->setFont(missing);
    a->drawString("0123 Gain", CPoint(2, 20));
    auto* b = blackOffscreen(100, 30);
    b->setFont(fallback);
    b->drawString("0123 Gain", CPoint(2, 20));
    auto* c = blackOffscreen(100, 30);
    c->setFont(bigger);
    c->drawString("0123 Gain", CPoint(2, 20));

    OffscreenPixels missingPixels(*a);
    EXPECT_FALSE(missingPixels.inkBounds(kBlack).isEmpty());
    EXPECT_EQ(missingPixels.bytes, OffscreenPixels(*b).bytes);
    EXPECT_EQ(a->getStringWidth("0123 Gain"), b->getStringWidth("0123 Gain"));
    EXPECT_GT(OffscreenPixels(*c).inkBounds(kBlack).height(),
              missingPixels.inkBounds(kBlack).height());

    for (CDrawContext* context : {a, b, c})
        context->forget();
    for (CFontDesc* font : {missing, fallback, bigger})
        font->forget();
}

TEST(TextDraw, SharedFontsDrawTheirFaceAtTheirSize)
{
    auto* context = blackOffscreen(60, 30);
    context->setFont(kNormalFontVeryBig);
    const int32_t big = context->getStringWidth("0000");
    context->setFont(kNormalFontVerySmall);
    const int32_t small = context->getStringWidth("0000");
    // Arial's digits are 0.556 em wide; widths scale with the size.
    EXPECT_GE(small, int32_t(4 * 9 * 0.556));
    EXPECT_NEAR(big, 2 * small, 3);
    context->forget();
}

TEST(TextDraw, FontsStillWorkAfterTheGraphicsLibraryStoppedAndStartedAgain)
{
    // Releasing the last image stops the library; the shared font's platform
    // font from that session must be made again, not reused.
    auto* first = blackOffscreen(60, 20);
    const int32_t width = first->getStringWidth("0123");
    first->drawString("0123", CPoint(2, 15));
    const std::vector<uint8_t> firstPixels = OffscreenPixels(*first).bytes;
    first->forget();

    auto* second = blackOffscreen(60, 20);
    EXPECT_EQ(second->getStringWidth("0123"), width);
    second->drawString("0123", CPoint(2, 15));
    EXPECT_EQ(OffscreenPixels(*second).bytes, firstPixels);
    second->forget();
}

} // namespace tolvo
