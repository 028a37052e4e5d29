#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tests/support/view/OffscreenPixels.h"
#include "tests/support/view/PixelColours.h"
#include "view/platform/GraphicsCanvas.h"

namespace tolvo {

using namespace gui;

namespace {

// A 4 x 4 image whose every pixel differs: opaque colours from the
// position, with the last column half transparent and one fully
// transparent pixel.
CDIB* makePattern()
{
    auto* dib = new CDIB(nullptr, 4, 4);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            putPixel(*dib, x, y,
                     0xFF000000 | uint32_t(40 * x + 10) << 16 | uint32_t(50 * y + 20) << 8 | 0x33);
    for (int32_t y = 0; y < 4; ++y)
        putPixel(*dib, 3, y, 0x80400000 | uint32_t(16 * y));
    putPixel(*dib, 0, 3, 0);
    dib->commitPixels();
    return dib;
}

int channelDistance(uint32_t a, uint32_t b)
{
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

} // namespace

TEST(BitmapDraw, RegionDrawnWithAlpha255IsTheSameAsDraw)
{
    CDIB* dib = makePattern();
    auto* drawn = new COffscreenContext(nullptr, 10, 10);
    auto* blended = new COffscreenContext(nullptr, 10, 10);
    for (COffscreenContext* context : {drawn, blended}) {
        paintBackground(*context, kBlackCColor);
        context->setOffset(CPoint(1, 2));
    }
    dib->draw(drawn, CRect(4, 3, 6, 5), CPoint(1, 1));
    dib->drawAlphaBlend(blended, CRect(4, 3, 6, 5), CPoint(1, 1), 255);

    OffscreenPixels a(*drawn);
    OffscreenPixels b(*blended);
    EXPECT_EQ(a.bytes, b.bytes);
    // The region (1, 1)..(2, 2) of the image lands at (5, 5) one to one.
    EXPECT_EQ(a.inkBounds(0xFF000000), CRect(5, 5, 7, 7));
    EXPECT_EQ(a.at(5, 5), 0xFF324633u);
    EXPECT_EQ(a.at(6, 6), 0xFF5A7833u);
    drawn->forget();
    blended->forget();
    dib->forget();
}

// An opaque picture copied in place of blending: the same pixels as draw,
// kept to the clip, the target and the picture, at the drawing offset.
TEST(BitmapDraw, OpaqueRegionsCopyExactlyWhatDrawBlends)
{
    auto* dib = new CDIB(nullptr, 6, 5);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 6; ++x)
            putPixel(*dib, x, y, 0xFF000000 | uint32_t(30 * x + 7) << 16 | uint32_t(40 * y) << 8);
    dib->commitPixels();
    struct Case {
        CRect rect;
        CPoint source;
        CRect clip;
    };
    const Case cases[] = {
        {CRect(0, 0, 6, 5), CPoint(0, 0), CRect(0, 0, 9, 8)},
        {CRect(2, 1, 5, 4), CPoint(1, 1), CRect(3, 0, 9, 3)},
        // Past the target's right and bottom edges, and past the picture's.
        {CRect(5, 4, 11, 9), CPoint(0, 0), CRect(0, 0, 9, 8)},
        {CRect(0, 0, 6, 5), CPoint(3, 2), CRect(0, 0, 9, 8)},
        {CRect(1, 1, 4, 4), CPoint(0, 0), CRect(6, 6, 9, 8)},
    };
    for (const Case& c : cases) {
        auto* blended = new COffscreenContext(nullptr, 9, 8);
        auto* copied = new COffscreenContext(nullptr, 9, 8);
        for (COffscreenContext* context : {blended, copied}) {
            paintBackground(*context, CColor{10, 20, 30, 255});
            context->setOffset(CPoint(1, 1));
            context->setClipRect(CRect(c.clip).offset(-1, -1));
        }
        dib->draw(blended, c.rect, c.source);
        dib->drawOpaque(copied, c.rect, c.source);
        EXPECT_EQ(OffscreenPixels(*copied).bytes, OffscreenPixels(*blended).bytes)
            << c.rect.left << "," << c.rect.top << " from " << c.source.x << "," << c.source.y;
        blended->forget();
        copied->forget();
    }
    dib->forget();
}

TEST(BitmapDraw, RegionDrawnWithAlphaZeroLeavesTheTargetUnchanged)
{
    CDIB* dib = makePattern();
    auto* context = new COffscreenContext(nullptr, 8, 8);
    paintBackground(*context, CColor{10, 20, 30, 255});
    OffscreenPixels before(*context);
    dib->drawAlphaBlend(context, CRect(0, 0, 4, 4), CPoint(0, 0), 0);
    OffscreenPixels after(*context);
    EXPECT_EQ(before.bytes, after.bytes);
    context->forget();
    dib->forget();
}

TEST(BitmapDraw, PremultipliedHalfTransparentPixelsBlendOverTheTarget)
{
    // Red at alpha 128, premultiplied: (r, g, b, a) = (128, 0, 0, 128).
    auto* dib = new CDIB(nullptr, 1, 1);
    putPixel(*dib, 0, 0, 0x80800000);
    dib->commitPixels();
    auto* context = new COffscreenContext(nullptr, 2, 1);
    paintBackground(*context, CColor{0, 0, 255, 255});
    dib->draw(context, CRect(0, 0, 1, 1));

    OffscreenPixels pixels(*context);
    // red 128 + 0, blue 255 * (1 - 128 / 255) = 127; the libraries round
    // differently, by at most one step.
    EXPECT_LE(channelDistance(pixels.at(0, 0), 0xFF80007Fu), 1) << std::hex << pixels.at(0, 0);
    EXPECT_EQ(pixels.at(1, 0), kBlue);
    context->forget();
    dib->forget();
}

TEST(BitmapDraw, ConstantAlphaScalesTheImagesOwnAlpha)
{
    auto* dib = new CDIB(nullptr, 2, 1);
    putPixel(*dib, 0, 0, 0xFFFFFFFF);
    putPixel(*dib, 1, 0, 0x80808080);
    dib->commitPixels();
    auto* context = new COffscreenContext(nullptr, 2, 1);
    paintBackground(*context, kBlackCColor);
    dib->drawAlphaBlend(context, CRect(0, 0, 2, 1), CPoint(0, 0), 128);

    OffscreenPixels pixels(*context);
    EXPECT_LE(channelDistance(pixels.at(0, 0), 0xFF808080u), 1) << std::hex << pixels.at(0, 0);
    EXPECT_LE(channelDistance(pixels.at(1, 0), 0xFF404040u), 1) << std::hex << pixels.at(1, 0);
    context->forget();
    dib->forget();
}

TEST(BitmapDraw, CommittedPixelsAreExactlyWhatIsDrawn)
{
    CDIB* dib = makePattern();
    auto* context = new COffscreenContext(nullptr, 4, 4);
    dib->draw(context, CRect(0, 0, 4, 4));
    OffscreenPixels pixels(*context);
    // Drawn over a fully transparent offscreen, the picture is copied as is.
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 4; ++x) {
            const uint8_t* p = dib->getPixels() + y * dib->getRowBytes() + x * 4;
            const uint32_t expected =
                uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
            EXPECT_LE(channelDistance(pixels.at(x, y), expected), p[3] == 255 || p[3] == 0 ? 0 : 1)
                << x << "," << y << std::hex << " " << pixels.at(x, y) << " " << expected;
        }
    }

    // A second commit replaces the first picture.
    putPixel(*dib, 1, 1, 0xFF0000FF);
    dib->commitPixels();
    dib->draw(context, CRect(0, 0, 4, 4));
    EXPECT_EQ(OffscreenPixels(*context).at(1, 1), kBlue);
    context->forget();
    dib->forget();
}

TEST(BitmapDraw, CommittingRowsReplacesThoseRowsOnly)
{
    CDIB* dib = makePattern();
    for (int32_t y = 0; y < 4; ++y)
        putPixel(*dib, 2, y, 0xFF0000FF);
    dib->commitRows(1, 3);
    // Rows past the image are left out, not written.
    dib->commitRows(3, 9);
    dib->commitRows(-5, 0);
    auto* context = new COffscreenContext(nullptr, 4, 4);
    dib->draw(context, CRect(0, 0, 4, 4));
    const OffscreenPixels pixels(*context);
    EXPECT_EQ(pixels.at(2, 0), 0xFF5A1433u) << "row 0 keeps the first commit";
    EXPECT_EQ(pixels.at(2, 1), kBlue);
    EXPECT_EQ(pixels.at(2, 2), kBlue);
    EXPECT_EQ(pixels.at(2, 3), kBlue);
    EXPECT_EQ(pixels.at(1, 1), 0xFF324633u) << "the rest of a committed row as it was";
    context->forget();
    dib->forget();
}

TEST(BitmapDraw, ReadPixelsCopiesTheDrawableImageIntoTheBuffer)
{
    auto* dib = new CDIB(nullptr, 3, 2);
    auto canvas = GraphicsCanvas::createOnImage(*dib->getGraphicsImage());
    ASSERT_TRUE(canvas);
    canvas->setFillColor(kRedCColor);
    canvas->fillRect(1, 0, 2, 2);
    canvas.reset();
    EXPECT_EQ(dib->getPixels()[6], 0);
    dib->readPixels();
    const uint8_t* p = dib->getPixels();
    EXPECT_TRUE(std::all_of(p, p + 4, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(p[4 + 2], 255);
    EXPECT_EQ(p[4 + 3], 255);
    EXPECT_EQ(p[4 + 0], 0);
    EXPECT_EQ(p[12 + 8 + 2], 255);
    dib->forget();
}

TEST(BitmapDraw, AnImageWithoutPixelsOrAContextWithoutCanvasDrawsNothing)
{
    auto* missing = new CBitmap(CResourceDescription(9999));
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getGraphicsImage(), nullptr);
    auto* context = new COffscreenContext(nullptr, 2, 2);
    paintBackground(*context, kBlackCColor);
    missing->draw(context, CRect(0, 0, 2, 2));
    EXPECT_EQ(OffscreenPixels(*context).inkBounds(0xFF000000), CRect());

    CDIB* dib = makePattern();
    auto* bare = new CDrawContext(nullptr, nullptr, nullptr);
    dib->draw(bare, CRect(0, 0, 4, 4));
    dib->draw(nullptr, CRect(0, 0, 4, 4));
    bare->forget();
    dib->forget();
    context->forget();
    missing->forget();
}

TEST(BitmapDraw, ResourceImagesDecodeOnceAndReadBackUnchanged)
{
    auto* bitmap = new CBitmap(CResourceDescription(120));
    ASSERT_EQ(bitmap->getWidth(), 105);
    ASSERT_EQ(bitmap->getHeight(), 11);
    EXPECT_FALSE(bitmap->getNoAlpha());
    EXPECT_EQ(bitmap->getResourceDescription().id, 120);
    // The buffer of a CDIB is read back from the drawable image.
    auto* dib = new CDIB(120);
    ASSERT_NE(dib->getPixels(), nullptr);
    EXPECT_TRUE(std::equal(dib->getPixels(), dib->getPixels() + 105 * 11 * 4, bitmap->getBits()));

    EXPECT_FALSE(bitmap->loadFromResource(CResourceDescription("PANEL")));
    EXPECT_EQ(bitmap->getWidth(), 0);
    EXPECT_EQ(bitmap->getBits(), nullptr);
    EXPECT_TRUE(bitmap->loadFromResource(CResourceDescription(119)));
    EXPECT_EQ(bitmap->getWidth(), 78);
    dib->forget();
    bitmap->forget();
}

TEST(CDIB, EmptyImageStartsAllZero)
{
    auto* dib = new CDIB(nullptr, 31, 31);
    ASSERT_NE(dib->getPixels(), nullptr);
    const uint8_t* p = dib->getPixels();
    EXPECT_EQ(std::count(p, p + 31 * 31 * 4, uint8_t(0)), 3844);
    EXPECT_EQ(dib->getRowBytes(), 124);
    dib->forget();
}

TEST(CDIB, CopyRectToCopiesExactlyTheRectangle)
{
    CDIB* source = makePattern();
    auto* destination = new CDIB(nullptr, 6, 6);
    const std::vector<uint8_t> blank(destination->getPixels(),
                                     destination->getPixels() + 6 * 6 * 4);

    source->copyRectTo(destination, CRect(2, 2, 2, 5), CPoint(0, 0));
    source->copyRectTo(destination, CRect(2, 2, 5, 2), CPoint(0, 0));
    source->copyRectTo(nullptr, CRect(0, 0, 2, 2), CPoint(0, 0));
    EXPECT_TRUE(std::equal(blank.begin(), blank.end(), destination->getPixels()));

    source->copyRectTo(destination, CRect(3, 4, 5, 6), CPoint(1, 2));
    for (int32_t y = 0; y < 6; ++y) {
        for (int32_t x = 0; x < 6; ++x) {
            const uint8_t* to = destination->getPixels() + y * 24 + x * 4;
            const bool inside = x >= 3 && x < 5 && y >= 4;
            const uint8_t* expected =
                inside ? source->getPixels() + (y - 2) * 16 + (x - 2) * 4 : blank.data();
            EXPECT_TRUE(std::equal(to, to + 4, expected)) << x << "," << y;
        }
    }
    destination->forget();
    source->forget();
}

} // namespace tolvo
