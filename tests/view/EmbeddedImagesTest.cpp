// The images built into the program: sizes, frame layouts and the details the
// controls depend on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "view/PngDecoder.h"
#include "view/ResourceLookup.h"

namespace tolvo {
namespace {

using gui::DecodedImage;

DecodedImage load(int32_t id)
{
    DecodedImage image;
    const gui::ResourceBytes bytes = gui::findPngResource(id);
    EXPECT_NE(bytes.data, nullptr) << id;
    EXPECT_TRUE(gui::decodePng(bytes.data, bytes.size, image)) << id;
    return image;
}

const uint8_t* at(const DecodedImage& image, int x, int y)
{
    return &image.pixels[(size_t(y) * image.width + x) * 4];
}

int brightest(const DecodedImage& image, int left, int top, int right, int bottom)
{
    int best = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            for (int c = 0; c < 3; ++c)
                best = std::max(best, int(at(image, x, y)[c]));
    return best;
}

double meanLevel(const DecodedImage& image, int left, int top, int right, int bottom)
{
    double sum = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            sum += at(image, x, y)[0] + at(image, x, y)[1] + at(image, x, y)[2];
    return sum / (3.0 * (right - left) * (bottom - top));
}

TEST(EmbeddedImages, EveryIdDecodesToItsSize)
{
    const std::map<int32_t, std::pair<int, int>> sizes = {
        {110, {265, 534}}, {111, {104, 19}},  {112, {36, 58}},   {113, {104, 19}}, {114, {36, 58}},
        {116, {104, 19}},  {117, {76, 20}},   {118, {104, 19}},  {119, {78, 9}},   {120, {105, 11}},
        {121, {78, 52}},   {122, {265, 534}}, {123, {265, 534}}, {124, {32, 361}}, {125, {13, 30}},
        {126, {210, 37}},  {127, {265, 534}}};
    for (const auto& [id, size] : sizes) {
        const DecodedImage image = load(id);
        EXPECT_EQ(image.width, size.first) << id;
        EXPECT_EQ(image.height, size.second) << id;
    }
    for (int32_t absent : {0, 109, 115, 128, -1}) {
        const gui::ResourceBytes bytes = gui::findPngResource(absent);
        EXPECT_EQ(bytes.data, nullptr) << absent;
        EXPECT_EQ(bytes.size, 0u) << absent;
    }
}

// The digit fonts measure each glyph by the last column of its cell whose
// blue coverage is not zero.
std::vector<int> glyphWidths(const DecodedImage& strip, int cell)
{
    std::vector<int> widths;
    for (int glyph = 0; glyph < strip.width / cell; ++glyph) {
        int width = cell;
        while (width > 1) {
            int sum = 0;
            for (int y = 0; y < strip.height; ++y)
                sum += at(strip, glyph * cell + width - 1, y)[0];
            if (sum != 0)
                break;
            --width;
        }
        widths.push_back(width);
    }
    return widths;
}

TEST(EmbeddedImages, DigitStripsMeasureToTheFontsGlyphWidths)
{
    //                                   0  1  2  3  4  5  6  7  8  9  .  ,  -  L  R
    EXPECT_EQ(glyphWidths(load(119), 6), (std::vector<int>{6, 4, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 3}));
    EXPECT_EQ(glyphWidths(load(120), 7),
              (std::vector<int>{6, 3, 6, 6, 6, 6, 6, 5, 6, 5, 2, 2, 4, 5, 6}));
}

TEST(EmbeddedImages, DigitStripsAreLightGlyphsOnBlack)
{
    for (int32_t id : {119, 120}) {
        const DecodedImage strip = load(id);
        EXPECT_EQ(brightest(strip, 0, 0, strip.width, strip.height), 254) << id;
        EXPECT_LT(meanLevel(strip, 0, 0, strip.width, strip.height), 80) << id;
        for (int i = 0; i < strip.width * strip.height; ++i)
            ASSERT_EQ(strip.pixels[i * 4 + 3], 255) << id;
    }
}

TEST(EmbeddedImages, ButtonLampsAreLitOnlyInTheOnFrame)
{
    // id, lamp channel (0 blue, 1 green, 2 red)
    const std::pair<int32_t, int> lampButtons[] = {{111, 1}, {113, 2}, {116, 0}, {118, 1}};
    for (const auto& [id, channel] : lampButtons) {
        const DecodedImage strip = load(id);
        int offLamp = 0, onLamp = 0;
        for (int y = 0; y < 19; ++y) {
            for (int x = 36; x < 52; ++x) {
                offLamp = std::max(offLamp, int(at(strip, x, y)[channel]));
                onLamp = std::max(onLamp, int(at(strip, 52 + x, y)[channel]));
            }
        }
        EXPECT_LT(offLamp, 110) << id;
        EXPECT_GT(onLamp, 220) << id;
        EXPECT_GT(meanLevel(strip, 52 + 36, 0, 104, 19), meanLevel(strip, 36, 0, 52, 19) + 25)
            << id;
    }
    // The Pre button's lamp lies inside its first 36 columns.
    const DecodedImage pre = load(117);
    EXPECT_GT(at(pre, 38 + 9, 10)[1], at(pre, 9, 10)[1] + 100);
}

// The switches and the logo repaint themselves without the panel under them,
// so their pictures are opaque and continue the panel seamlessly at the
// places where the editor puts them.
TEST(EmbeddedImages, ButtonsAndLogoAreOpaqueAndBlendIntoThePanel)
{
    const DecodedImage panel = load(123);
    struct Placed {
        int32_t id;
        int left, top, frameWidth;
        std::vector<int> backgroundColumns; // columns that show only the panel
    };
    const Placed placed[] = {{111, 179, 297, 52, {}},      {113, 179, 371, 52, {}},
                             {116, 179, 334, 52, {}},      {118, 179, 408, 52, {}},
                             {117, 58, 448, 38, {36, 37}}, {121, 7, 71, 39, {}}};
    for (const Placed& p : placed) {
        const DecodedImage strip = load(p.id);
        for (int i = 0; i < strip.width * strip.height; ++i)
            ASSERT_EQ(strip.pixels[i * 4 + 3], 255) << p.id;
        for (int frame = 0; frame < 2; ++frame) {
            const int x0 = frame * p.frameWidth;
            // The corners, outside the rounded shapes but for their
            // antialiased edge, are nearly the panel.
            for (const auto& [x, y] :
                 {std::pair{0, 0}, std::pair{p.frameWidth - 1, 0}, std::pair{0, strip.height - 1}})
                for (int c = 0; c < 3; ++c)
                    EXPECT_NEAR(at(strip, x0 + x, y)[c], at(panel, p.left + x, p.top + y)[c], 12)
                        << p.id << " frame " << frame << " at " << x << "," << y;
            for (int x : p.backgroundColumns)
                for (int y = 0; y < strip.height; ++y)
                    EXPECT_TRUE(std::equal(at(strip, x0 + x, y), at(strip, x0 + x, y) + 4,
                                           at(panel, p.left + x, p.top + y)))
                        << p.id << " column " << x << " row " << y;
        }
    }
}

TEST(EmbeddedImages, CapNeverOutweighsItsMaskAndHasItsIndexLineOnRow23)
{
    const DecodedImage cap = load(112);
    const DecodedImage mask = load(114);
    for (int y = 0; y < 58; ++y) {
        for (int x = 0; x < 36; ++x) {
            // The fader adds the cap to the backdrop scaled by (1 - mask): a
            // cap brighter than its opacity would overflow.
            for (int c = 0; c < 3; ++c)
                ASSERT_LE(at(cap, x, y)[c], at(mask, x, y)[0]) << x << "," << y;
        }
    }
    EXPECT_LT(meanLevel(cap, 2, 23, 30, 24), 20);
    EXPECT_GT(meanLevel(cap, 2, 21, 30, 22), 60);
    EXPECT_GT(meanLevel(cap, 2, 25, 30, 26), 60);
    // Opaque body with a soft shadow at its sides and below, all inside the
    // 32 columns the fader draws: its last four columns would be cut off.
    EXPECT_EQ(at(mask, 16, 23)[0], 254);
    EXPECT_GT(at(mask, 31, 30)[0], 0);
    EXPECT_LT(at(mask, 31, 30)[0], 254);
    EXPECT_GT(at(mask, 16, 49)[0], 0);
    EXPECT_EQ(at(cap, 31, 30)[2], 0);
    for (int y = 0; y < 58; ++y)
        for (int x = 32; x < 36; ++x)
            ASSERT_EQ(at(mask, x, y)[0], 0) << x << "," << y;
}

TEST(EmbeddedImages, MeterStripHoldsGreenYellowOrangeRedColumns)
{
    const DecodedImage strip = load(124);
    for (int y = 0; y < 361; ++y) {
        const uint8_t* green = at(strip, 3, y);
        const uint8_t* yellow = at(strip, 11, y);
        const uint8_t* orange = at(strip, 19, y);
        const uint8_t* red = at(strip, 27, y); // the RMS line copies pixels 27 and 28
        ASSERT_GT(green[1], green[2] * 1.3) << y;
        ASSERT_GT(yellow[2], yellow[0] * 2) << y;
        ASSERT_GT(yellow[1], yellow[0] * 2) << y;
        ASSERT_GT(orange[2], orange[1] * 1.3) << y;
        ASSERT_GT(orange[1], orange[0] * 2) << y;
        ASSERT_GT(red[2], red[1] * 2) << y;
    }
}

TEST(EmbeddedImages, PanelFieldsSuitTheirDigits)
{
    const DecodedImage panel = load(123);
    // Peak and RMS readouts print black: light fields.
    EXPECT_GT(meanLevel(panel, 179, 65, 212, 75), 170);
    EXPECT_GT(meanLevel(panel, 179, 108, 212, 118), 170);
    // Gain and Trim entry fields print white: dark fields.
    EXPECT_LT(meanLevel(panel, 110, 453, 167, 467), 30);
    EXPECT_LT(meanLevel(panel, 168, 194, 225, 208), 30);
    // Meter labels print black at x 18..30 of the fader; the fader scale
    // labels print light grey left of x 62.
    EXPECT_GT(meanLevel(panel, 57 + 18, 48 + 17, 57 + 31, 48 + 378), 150);
    EXPECT_LT(meanLevel(panel, 57 + 48, 48 + 20, 57 + 63, 48 + 380), 70);
    // The meter slot is dark where the bar is not lit.
    EXPECT_LT(brightest(panel, 57 + 9, 48 + 20, 57 + 17, 48 + 382), 60);
}

TEST(EmbeddedImages, OptionMarkMatchesTheSlotsOfTheSettingsPage)
{
    const DecodedImage page = load(127);
    const DecodedImage mark = load(125);
    struct Group {
        int x, y, options;
    };
    // Marks are painted two pixels right of each group's origin.
    const Group groups[] = {{34, 58, 2},  {159, 58, 3},  {159, 130, 3},
                            {34, 130, 4}, {160, 218, 2}, {159, 277, 2}};
    for (const Group& group : groups) {
        for (int option = 0; option < group.options; ++option) {
            const bool last = option == group.options - 1;
            const int frameTop = last ? 15 : 0;
            const int pageRow = group.y + option * 14 + 14;
            // Row 14 of the frame lands on the next separator or the slot's
            // bottom edge: it must match the page there.
            for (int x = 0; x < 13; ++x)
                for (int c = 0; c < 4; ++c)
                    ASSERT_EQ(at(mark, x, frameTop + 14)[c], at(page, group.x + x, pageRow)[c])
                        << group.x << "," << group.y << " option " << option << " x " << x;
        }
    }
    // The pan-law value is painted at (55, 219) in light grey: its area is dark.
    EXPECT_LT(brightest(page, 55, 219, 72, 230), 40);
}

TEST(EmbeddedImages, HighlightedButtonsMatchThePageAroundThem)
{
    const DecodedImage page = load(127);
    const DecodedImage lit = load(126);
    const int buttons[4][4] = {
        {26, 321, 124, 336}, {136, 321, 234, 336}, {26, 341, 124, 356}, {136, 341, 234, 356}};
    int inside = 0, differing = 0;
    for (int y = 0; y < 37; ++y) {
        for (int x = 0; x < 210; ++x) {
            const int px = x + 26, py = y + 319;
            bool inButton = false;
            for (const auto& b : buttons)
                inButton |= px >= b[0] - 1 && px <= b[2] && py >= b[1] - 1 && py <= b[3];
            const bool same = std::equal(at(lit, x, y), at(lit, x, y) + 4, at(page, px, py));
            if (!inButton) {
                ASSERT_TRUE(same) << px << "," << py;
            }
            inside += inButton;
            differing += inButton && !same;
        }
    }
    EXPECT_GT(differing, inside / 2);
}

} // namespace
} // namespace tolvo
