// The fader's picture, composed offscreen: scale, cap, meter bar with its
// RMS line, hold markers; each region compared with values computed from
// the artwork.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "tests/support/controls/ControlTestSupport.h"
#include "view/COffscreenContext.h"
#include "view/platform/GraphicsImage.h"

namespace tolvo {
namespace {

const uint8_t* pixelOf(const CDIB* image, int32_t x, int32_t y)
{
    return image->getPixels() + y * image->getRowBytes() + x * 4;
}

bool samePixel(const uint8_t* a, const uint8_t* b)
{
    return std::memcmp(a, b, 4) == 0;
}

class FaderDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        cap = new CDIB(editorLayout::kFaderCap);
        mask = new CDIB(editorLayout::kCapMask);
        strip = new CDIB(editorLayout::kMeterStrip);
        ASSERT_EQ(cap->getWidth(), 36);
        ASSERT_EQ(cap->getHeight(), 58);
        ASSERT_EQ(mask->getWidth(), 36);
        ASSERT_EQ(strip->getWidth(), 32);
        ASSERT_EQ(strip->getHeight(), 361);
        ASSERT_EQ(images.panel->getWidth(), 265);
        fader = makeFader(images, 0.0f);
    }

    void TearDown() override
    {
        fader->forget();
        cap->forget();
        mask->forget();
        strip->forget();
    }

    const CDIB* draw()
    {
        auto* context = new gui::COffscreenContext(nullptr, 265, 534);
        fader->draw(context);
        context->forget();
        return fader->getWorkImage();
    }

    // The panel pixel under a point of the fader.
    const uint8_t* panelAt(int32_t x, int32_t y) const
    {
        return pixelOf(images.panel, kFaderRect.left + x, kFaderRect.top + y);
    }

    void setBar(double bar, double rms = 0.0)
    {
        const double levels[8] = {bar, 0, 0, 0, rms, 0, 0, 0};
        fader->setMeterLevels(levels, true);
    }

    // The bar's colour at meter row i, from the strip: zones 3, 2 and 1 span
    // rows 0-107, 107-148 and 148-361, blending from the zone's upper colour
    // at its top to the lower one at its end.
    void expectLitRow(const CDIB* work, int32_t i) const
    {
        const int32_t zone = i <= 106 ? 3 : i <= 147 ? 2 : 1;
        const int32_t start = zone == 3 ? 0 : zone == 2 ? 107 : 148;
        const int32_t end = zone == 3 ? 107 : zone == 2 ? 148 : 361;
        const float w = 1.0f - float(i - start) / float(end - start);
        const uint8_t* source = pixelOf(strip, 0, std::min(i, 360));
        const uint8_t* drawn = pixelOf(work, 9, 20 + i);
        for (int32_t b = 0; b < 32; ++b) {
            const uint8_t expected = uint8_t((1.0f - w) * float(source[b + 32 * (zone - 1)]) +
                                             w * float(source[b + 32 * zone]));
            ASSERT_EQ(drawn[b], expected) << "row " << i << " byte " << b;
        }
    }

    bool barRowDark(const CDIB* work, int32_t i) const
    {
        for (int32_t x = 9; x <= 16; ++x)
            if (!samePixel(pixelOf(work, x, 20 + i), panelAt(x, 20 + i)))
                return false;
        return true;
    }

    // Rows (in the work image) where the marker column x = 4 carries the colour.
    std::vector<int32_t> markerRows(const CDIB* work, uint8_t red, uint8_t green) const
    {
        std::vector<int32_t> found;
        for (int32_t y = 0; y < work->getHeight(); ++y) {
            const uint8_t* p = pixelOf(work, 4, y);
            if (p[0] == 0 && p[1] == green && p[2] == red)
                found.push_back(y);
        }
        return found;
    }

    Images images;
    CDIB* cap = nullptr;
    CDIB* mask = nullptr;
    CDIB* strip = nullptr;
    nFader* fader = nullptr;
};

TEST_F(FaderDraw, CapIsCompositedThroughItsMaskAndClippedToTheControl)
{
    for (float value : {0.5f, 0.0f}) {
        fader->setValue(value);
        const int32_t top = value == 0.5f ? 144 : 352;
        const CDIB* work = draw();
        int32_t compared = 0;
        for (int32_t r = 0; r < 58 && top + r < 401; ++r) {
            const int32_t y = top + r;
            for (int32_t c = 0; c < 32; ++c) {
                const int32_t x = 64 + c;
                // Tick rows are painted under the cap; compare where only the panel lies.
                if ((y - 23) % 4 == 0 && (x < 74 || x > 85))
                    continue;
                const uint8_t* under = panelAt(x, y);
                const uint8_t* capPixel = pixelOf(cap, c, r);
                const float keep = 1.0f - float(pixelOf(mask, c, r)[0]) / 255.0f;
                const uint8_t* drawn = pixelOf(work, x, y);
                for (int32_t ch = 0; ch < 3; ++ch)
                    ASSERT_EQ(drawn[ch], uint8_t(std::min(255.0f, float(under[ch]) * keep +
                                                                      float(capPixel[ch]))))
                        << "value " << value << " cap pixel " << c << "," << r;
                ASSERT_EQ(drawn[3], under[3]);
                ++compared;
            }
        }
        EXPECT_GT(compared, 1000);
    }
}

TEST_F(FaderDraw, ScaleTicksHaveThreeLengthsOnBothSidesAndLabelsEndAtX62)
{
    const CDIB* work = draw();
    const uint8_t tick[3] = {197, 197, 197};
    const struct {
        int32_t offset;
        int32_t length;
    } ticks[] = {{0, 10}, {4, 8}, {8, 6}, {16, 10}, {24, 6}, {300, 8}};
    for (const auto& t : ticks) {
        const int32_t y = t.offset + 23;
        for (int32_t x = 50; x < 96; ++x) {
            const bool onTick = (x >= 74 - t.length && x <= 73) || (x >= 86 && x < 86 + t.length);
            if (x < 63)
                continue;
            const uint8_t* p = pixelOf(work, x, y);
            if (onTick)
                EXPECT_EQ(std::memcmp(p, tick, 3), 0) << "offset " << t.offset << " x " << x;
            else
                EXPECT_TRUE(samePixel(p, panelAt(x, y))) << "offset " << t.offset << " x " << x;
        }
    }
    // The label "18" sits in rows 20..28 and ends at x = 62.
    int32_t inked = 0;
    for (int32_t y = 20; y < 29; ++y)
        for (int32_t x = 40; x < 64; ++x)
            if (!samePixel(pixelOf(work, x, y), panelAt(x, y))) {
                EXPECT_LE(x, 62);
                ++inked;
            }
    EXPECT_GT(inked, 0);
}

TEST_F(FaderDraw, BarBlendsTheZoneColoursRowByRow)
{
    setBar(8.5);
    const CDIB* work = draw();
    for (int32_t i : {0, 50, 106, 107, 120, 147, 148, 300, 360, 361})
        expectLitRow(work, i);

    // Post-fader shows the output meter, which is at 0.
    fader->setPostFader(true);
    work = draw();
    for (int32_t i = 0; i < MeterRows::kCount; ++i)
        ASSERT_TRUE(barRowDark(work, i)) << i;
}

TEST_F(FaderDraw, RowsLightOnlyBelowTheMeterValueAndZeroLeavesTheBarDark)
{
    const MeterRows& rows = fader->getMeterRows();
    setBar(rows.level[200]);
    const CDIB* work = draw();
    EXPECT_TRUE(barRowDark(work, 199));
    EXPECT_TRUE(barRowDark(work, 200)) << "a value equal to the row's level lights it";
    expectLitRow(work, 201);
    expectLitRow(work, 361);

    setBar(0.0);
    work = draw();
    for (int32_t i = 0; i < MeterRows::kCount; ++i)
        ASSERT_TRUE(barRowDark(work, i)) << i;

    setBar(std::numeric_limits<double>::quiet_NaN());
    work = draw();
    for (int32_t i = 0; i < MeterRows::kCount; ++i)
        ASSERT_TRUE(barRowDark(work, i)) << i;
    setBar(std::numeric_limits<double>::infinity());
    work = draw();
    expectLitRow(work, 0);
}

// Levels that light the same rows and leave the hold markers where they are
// draw the same picture, so they do not mark the fader for redraw.
TEST_F(FaderDraw, MeterInputsMarkTheFaderOnlyWhenTheMeterLooksDifferent)
{
    const MeterRows& rows = fader->getMeterRows();
    const float between = 0.5f * (rows.level[200] + rows.level[201]);
    setBar(between);
    draw();
    fader->setDirty(false);
    setBar(0.5 * (between + rows.level[200]));
    EXPECT_FALSE(fader->isDirty()) << "same rows lit";
    setBar(rows.level[199]);
    EXPECT_TRUE(fader->isDirty()) << "row 200 lights as well";

    draw();
    fader->setDirty(false);
    const double holds[4] = {0.5, 0.0, 0.25, 0.0};
    fader->setHoldLevels(holds);
    EXPECT_TRUE(fader->isDirty()) << "the hold markers move";
    draw();
    fader->setDirty(false);
    fader->setHoldLevels(holds);
    EXPECT_FALSE(fader->isDirty()) << "the same holds again";

    // Post-fader shows the output levels, which are 0 here.
    fader->setPostFader(true);
    EXPECT_TRUE(fader->isDirty()) << "the bar goes dark";
    draw();
    fader->setDirty(false);
    fader->setPostFader(true);
    EXPECT_FALSE(fader->isDirty());
}

TEST_F(FaderDraw, RmsLineCopiesTheRedColumnsAndKeepsItsValueWithoutNewRms)
{
    setBar(0.0, 1.0);
    const CDIB* work = draw();
    const MeterRows& rows = fader->getMeterRows();
    for (int32_t i = 0; i < MeterRows::kCount; ++i) {
        const bool lit = 1.0f > rows.level[i];
        const uint8_t* source = pixelOf(strip, 27, std::min(i, 360));
        for (int32_t x = 12; x <= 13; ++x) {
            const uint8_t* expected = lit ? source + (x - 12) * 4 : panelAt(x, 20 + i);
            ASSERT_TRUE(samePixel(pixelOf(work, x, 20 + i), expected)) << "row " << i << " x " << x;
        }
        ASSERT_TRUE(samePixel(pixelOf(work, 11, 20 + i), panelAt(11, 20 + i)));
    }
    // Without fresh RMS values the line stays where it was.
    const double levels[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    fader->setMeterLevels(levels, false);
    work = draw();
    EXPECT_TRUE(samePixel(pixelOf(work, 12, 20 + 361), pixelOf(strip, 27, 360)));
}

TEST_F(FaderDraw, HoldMarkersAreFiveRowTrianglesAtTheirLevels)
{
    const double holds[4] = {1.0, 0.0, 0.25, 0.0};
    fader->setHoldLevels(holds);
    const CDIB* work = draw();
    const double exponent = std::log(0.125) / std::log(13.0 / 22.0);
    const auto rowOf = [&](double gain) {
        return 20 + int32_t((1.0f - float(std::pow(gain / 8.0, 1.0 / exponent))) * 361.0f);
    };
    const int32_t peakY = rowOf(1.0);
    EXPECT_EQ(peakY, 20 + 147);
    const int32_t widths[5] = {2, 3, 5, 3, 2};
    for (const auto& [y, green] : {std::pair<int32_t, uint8_t>{peakY, 0}, {rowOf(0.25), 170}}) {
        for (int32_t r = 0; r < 5; ++r) {
            for (int32_t x = 3; x <= 9; ++x) {
                const uint8_t* p = pixelOf(work, x, y - 2 + r);
                const bool inMarker = x >= 4 && x < 4 + widths[r];
                if (inMarker) {
                    EXPECT_EQ(p[0], 0);
                    EXPECT_EQ(p[1], green);
                    EXPECT_EQ(p[2], 255) << "row " << r << " x " << x;
                } else if (x < 9) {
                    EXPECT_TRUE(samePixel(p, panelAt(x, y - 2 + r))) << "row " << r << " x " << x;
                }
            }
        }
    }
    EXPECT_EQ(markerRows(work, 255, 0),
              (std::vector<int32_t>{peakY - 2, peakY - 1, peakY, peakY + 1, peakY + 2}));
}

TEST_F(FaderDraw, NonFiniteAndOutOfRangeHoldsStayOnTheMeter)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double first[4] = {nan, 0.0, -inf, 0.0};
    fader->setHoldLevels(first);
    const CDIB* work = draw();
    EXPECT_TRUE(markerRows(work, 255, 0).empty()) << "a NaN hold drew a marker";
    EXPECT_EQ(markerRows(work, 255, 170), (std::vector<int32_t>{379, 380, 381, 382, 383}));

    const double second[4] = {inf, 0.0, -1.0, 0.0};
    fader->setHoldLevels(second);
    work = draw();
    EXPECT_EQ(markerRows(work, 255, 0), (std::vector<int32_t>{18, 19, 20, 21, 22}));
    EXPECT_EQ(markerRows(work, 255, 170), (std::vector<int32_t>{379, 380, 381, 382, 383}));
}

TEST_F(FaderDraw, ValuesOffTheTravelKeepTheCapOnIt)
{
    fader->setValue(1.0f);
    const std::vector<uint8_t> atTop(draw()->getPixels(), draw()->getPixels() + 96 * 401 * 4);
    fader->setValue(0.0f);
    const std::vector<uint8_t> atBottom(draw()->getPixels(), draw()->getPixels() + 96 * 401 * 4);
    fader->setValue(2.0f);
    EXPECT_EQ(std::memcmp(draw()->getPixels(), atTop.data(), atTop.size()), 0);
    fader->setValue(-0.5f);
    EXPECT_EQ(std::memcmp(draw()->getPixels(), atBottom.data(), atBottom.size()), 0);
    fader->setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(std::memcmp(draw()->getPixels(), atBottom.data(), atBottom.size()), 0);
}

TEST_F(FaderDraw, PictureReachesTheContextAtTheControlsPlace)
{
    fader->setValue(0.5f);
    auto* context = new gui::COffscreenContext(nullptr, 265, 534);
    fader->draw(context);
    std::vector<uint8_t> shown(size_t(265) * 534 * 4);
    ASSERT_TRUE(context->getBitmap()->getGraphicsImage()->readPixels(shown.data(), 265 * 4));
    context->forget();
    const CDIB* work = fader->getWorkImage();
    for (int32_t y = 0; y < 401; y += 7)
        for (int32_t x = 0; x < 96; x += 5)
            ASSERT_TRUE(samePixel(&shown[(size_t(48 + y) * 265 + 57 + x) * 4], pixelOf(work, x, y)))
                << x << "," << y;
}

TEST_F(FaderDraw, ARectangleTooSmallForTheLayoutShowsOnlyThePanel)
{
    nFader* small = makeFader(images, 0.5f, nullptr, gui::CRect(0, 0, 40, 40));
    const double levels[8] = {8, 8, 8, 8, 8, 8, 8, 8};
    small->setMeterLevels(levels, true);
    small->setHoldLevels(levels);
    auto* context = new gui::COffscreenContext(nullptr, 40, 40);
    small->draw(context);
    context->forget();
    const CDIB* work = small->getWorkImage();
    EXPECT_EQ(std::memcmp(work->getPixels(), small->getBackgroundImage()->getPixels(), 40 * 40 * 4),
              0);
    small->forget();
}

} // namespace
} // namespace tolvo
