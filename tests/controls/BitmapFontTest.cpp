#include <gtest/gtest.h>

#include <vector>

#include "controls/BitmapFont.h"
#include "tests/support/view/OffscreenPixels.h"

namespace tolvo {

namespace {

// A large-strip layout (15 cells of 7 x 11) drawn by hand: "1" covers the
// first three columns fully, "8" every pixel at 128, the minus sign four
// columns of one row, every other glyph is empty.
CDIB* makeStrip()
{
    auto* strip = new CDIB(nullptr, 105, 11);
    for (int32_t y = 0; y < 11; ++y) {
        for (int32_t x = 0; x < 3; ++x)
            putPixel(*strip, 7 + x, y, 0xFFFFFFFF);
        for (int32_t x = 0; x < 7; ++x)
            putPixel(*strip, 56 + x, y, 0xFF808080);
    }
    for (int32_t x = 0; x < 4; ++x)
        putPixel(*strip, 84 + x, 5, 0xFFFFFFFF);
    return strip;
}

struct Canvas {
    Canvas(int32_t width, int32_t height, uint32_t fill)
        : width(width), pixels(size_t(width) * height * 4)
    {
        for (size_t i = 0; i < pixels.size(); i += 4) {
            pixels[i] = uint8_t(fill);
            pixels[i + 1] = uint8_t(fill >> 8);
            pixels[i + 2] = uint8_t(fill >> 16);
            pixels[i + 3] = uint8_t(fill >> 24);
        }
    }
    const uint8_t* at(int32_t x, int32_t y) const { return &pixels[(size_t(y) * width + x) * 4]; }
    int32_t rowBytes() const { return width * 4; }

    int32_t width;
    std::vector<uint8_t> pixels;
};

} // namespace

TEST(BitmapFont, GlyphWidthsTrimEmptyColumnsOnTheRight)
{
    CDIB* strip = makeStrip();
    BitmapFont font(strip, 7, 11, 0);
    EXPECT_EQ(font.getGlyphCount(), 15);
    EXPECT_EQ(font.getGlyphWidth(1), 3);
    EXPECT_EQ(font.getGlyphWidth(8), 7);
    EXPECT_EQ(font.getGlyphWidth(12), 4);
    EXPECT_EQ(font.getGlyphWidth(0), 1);
    EXPECT_EQ(font.getGlyphWidth(14), 1);
    EXPECT_EQ(font.measureText("18-"), 3 + 7 + 4);
    EXPECT_EQ(font.measureText("1 x8"), 3 + 3 + 7);
    font.setFixedPitch(true);
    EXPECT_EQ(font.measureText("18-"), 21);
    strip->forget();
}

TEST(BitmapFont, CoverageBlendsEachChannelInFloatAndTruncates)
{
    CDIB* strip = makeStrip();
    BitmapFont font(strip, 7, 11, 0);
    // Blue 200, green 100, red 0, alpha 77.
    Canvas canvas(10, 11, 0x4D0064C8);
    EXPECT_EQ(font.drawGlyph(canvas.pixels.data(), canvas.rowBytes(), 0, 0, '8', 0xFFFFFF), 7);
    const uint8_t* p = canvas.at(3, 4);
    EXPECT_EQ(p[0], 227);
    EXPECT_EQ(p[1], 177);
    EXPECT_EQ(p[2], 128);
    EXPECT_EQ(p[3], 77);
    // Towards a darker colour the result is truncated too: 200 - 200 * 128 / 255 = 99.6.
    Canvas dark(10, 11, 0xFF0064C8);
    font.drawGlyph(dark.pixels.data(), dark.rowBytes(), 0, 0, '8', 0x000000);
    EXPECT_EQ(dark.at(6, 10)[0], 99);
    EXPECT_EQ(dark.at(7, 10)[0], 200);
    strip->forget();
}

TEST(BitmapFont, FixedPitchCentresTheGlyphInItsCell)
{
    CDIB* strip = makeStrip();
    BitmapFont font(strip, 7, 11, -1);
    font.setFixedPitch(true);
    Canvas canvas(20, 11, 0xFF000000);
    EXPECT_EQ(font.drawGlyph(canvas.pixels.data(), canvas.rowBytes(), 1, 0, '1', 0x00FF00), 6);
    // (7 - 3) / 2 = 2 pixels right of the cell's left edge at x = 1.
    EXPECT_EQ(canvas.at(2, 5)[1], 0);
    EXPECT_EQ(canvas.at(3, 5)[1], 255);
    EXPECT_EQ(canvas.at(5, 5)[1], 255);
    EXPECT_EQ(canvas.at(6, 5)[1], 0);
    EXPECT_EQ(canvas.at(3, 5)[2], 0);
    strip->forget();
}

TEST(BitmapFont, CharactersOutsideTheFontAndAFontWithoutStripPaintNothing)
{
    CDIB* strip = makeStrip();
    BitmapFont font(strip, 7, 11, 0);
    Canvas canvas(30, 11, 0xFF000000);
    const std::vector<uint8_t> before = canvas.pixels;
    EXPECT_EQ(font.drawGlyph(canvas.pixels.data(), canvas.rowBytes(), 0, 0, 'x', 0xFFFFFF), 0);
    EXPECT_EQ(font.drawGlyph(canvas.pixels.data(), canvas.rowBytes(), 0, 0, ' ', 0xFFFFFF), 3);
    EXPECT_EQ(font.drawGlyph(canvas.pixels.data(), canvas.rowBytes(), 0, 0, char(0xC3), 0xFFFFFF),
              0);
    EXPECT_EQ(canvas.pixels, before);

    BitmapFont empty(nullptr, 7, 11, 0);
    EXPECT_EQ(empty.measureText("0123 -"), 0);
    empty.drawText(canvas.pixels.data(), canvas.rowBytes(), 0, 0, "0123 -", 0xFFFFFF);
    EXPECT_EQ(canvas.pixels, before);

    // A cell taller than the strip would read past it: the font stays empty.
    BitmapFont tooTall(strip, 7, 12, 0);
    EXPECT_EQ(tooTall.measureText("18"), 0);
    strip->forget();
}

class RealStrips : public ::testing::Test {
protected:
    void SetUp() override
    {
        small = new CDIB(119);
        large = new CDIB(120);
        ASSERT_EQ(small->getWidth(), 78);
        ASSERT_EQ(small->getHeight(), 9);
        ASSERT_EQ(large->getWidth(), 105);
        ASSERT_EQ(large->getHeight(), 11);
    }
    void TearDown() override
    {
        small->forget();
        large->forget();
    }

    CDIB* small = nullptr;
    CDIB* large = nullptr;
};

TEST_F(RealStrips, GlyphWidthsOfBothStrips)
{
    BitmapFont smallFont(small, 6, 9, -1);
    BitmapFont largeFont(large, 7, 11, 0);
    EXPECT_EQ(smallFont.getGlyphCount(), 13);
    EXPECT_EQ(largeFont.getGlyphCount(), 15);
    const int32_t smallWidths[] = {6, 4, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 3};
    const int32_t largeWidths[] = {6, 3, 6, 6, 6, 6, 6, 5, 6, 5, 2, 2, 4, 5, 6};
    for (int32_t glyph = 0; glyph < 13; ++glyph)
        EXPECT_EQ(smallFont.getGlyphWidth(glyph), smallWidths[glyph]) << glyph;
    for (int32_t glyph = 0; glyph < 15; ++glyph)
        EXPECT_EQ(largeFont.getGlyphWidth(glyph), largeWidths[glyph]) << glyph;
    // The small strip stops after the minus sign.
    EXPECT_EQ(smallFont.measureText("LR"), 0);
}

TEST_F(RealStrips, DigitOneAdvancesAndFixedPitchMovesItOneRight)
{
    BitmapFont proportional(small, 6, 9, -1);
    BitmapFont fixed(small, 6, 9, -1);
    fixed.setFixedPitch(true);
    Canvas a(12, 9, 0xFF000000);
    Canvas b(12, 9, 0xFF000000);
    EXPECT_EQ(proportional.drawGlyph(a.pixels.data(), a.rowBytes(), 1, 0, '1', 0xFFFFFF), 3);
    EXPECT_EQ(fixed.drawGlyph(b.pixels.data(), b.rowBytes(), 0, 0, '1', 0xFFFFFF), 5);
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_NE(a.pixels, Canvas(12, 9, 0xFF000000).pixels);
}

TEST_F(RealStrips, SpacesAdvanceTheSameWhenMeasuredAndPainted)
{
    struct Case {
        CDIB* strip;
        int32_t cell, height, spacing, space;
        bool fixed;
        int32_t advance;
    };
    const Case cases[] = {
        {small, 6, 9, -1, 3, false, 2}, // fader labels
        {small, 6, 9, -1, 6, true, 5},  // peak readout
        {large, 7, 11, 0, 7, true, 7},  // entry fields
    };
    for (const Case& c : cases) {
        BitmapFont font(c.strip, c.cell, c.height, c.spacing);
        font.setSpaceAdvance(c.space);
        font.setFixedPitch(c.fixed);
        Canvas canvas(8, 11, 0xFF000000);
        EXPECT_EQ(font.measureText(" "), c.advance);
        EXPECT_EQ(font.drawGlyph(canvas.pixels.data(), canvas.rowBytes(), 0, 0, ' ', 0xFFFFFF),
                  c.advance);
        EXPECT_EQ(canvas.pixels, Canvas(8, 11, 0xFF000000).pixels);
    }
}

TEST_F(RealStrips, MinusInfinityShowsALoneMinus)
{
    BitmapFont font(large, 7, 11, 0);
    font.setFixedPitch(true);
    EXPECT_EQ(font.measureText("-oo"), font.measureText("-"));
    EXPECT_EQ(font.measureText("-"), 7);
    Canvas withLetters(30, 11, 0xFF202020);
    Canvas minusOnly(30, 11, 0xFF202020);
    font.drawText(withLetters.pixels.data(), withLetters.rowBytes(), 2, 0, "-oo", 0xFFFFFF);
    font.drawText(minusOnly.pixels.data(), minusOnly.rowBytes(), 2, 0, "-", 0xFFFFFF);
    EXPECT_EQ(withLetters.pixels, minusOnly.pixels);
    EXPECT_NE(minusOnly.pixels, Canvas(30, 11, 0xFF202020).pixels);
}

} // namespace tolvo
