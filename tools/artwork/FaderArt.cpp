#include "tools/artwork/FaderArt.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {

namespace {

constexpr int kCapWidth = 36;
constexpr int kCapHeight = 58;
// The fader draws only the first 32 of the cap's 36 columns, so the body and
// its whole shadow stay inside them: a 30-pixel body from column 1, centred
// on the slot, with the shadow one column either side and below it.
constexpr int kBodyLeft = 1;
constexpr int kBodyWidth = 30;
constexpr int kBodyHeight = 47; // index line on row 23, the body's middle row
constexpr int kIndexRow = 23;

// The cap body as a premultiplied image with a transparent surround.
std::unique_ptr<Image> capBody()
{
    auto body = std::make_unique<Image>(kCapWidth, kCapHeight);
    cairo_t* cr = body->cr();
    cairo_translate(cr, kBodyLeft, 0);
    roundedRect(cr, 0, 0, kBodyWidth, kBodyHeight, 3.5);
    setColour(cr, rgb(0x121314));
    cairo_fill(cr);
    // Upper grip: bright edge falling off toward the index line; lower grip
    // the other way round, as a saddle-shaped cap lit from above.
    cairo_save(cr);
    roundedRect(cr, 1, 1, kBodyWidth - 2, kBodyHeight - 2, 2.5);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, kBodyWidth, kIndexRow);
    verticalGradient(cr, 1, kIndexRow, rgb(0xe4e6e8), rgb(0x7b7f84));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kIndexRow, kBodyWidth, kBodyHeight - kIndexRow);
    verticalGradient(cr, kIndexRow, kBodyHeight - 1, rgb(0x5c6064), rgb(0xb4b8bc));
    cairo_fill(cr);
    // Grip ridges.
    cairo_set_line_width(cr, 1);
    for (int y = 4; y < kBodyHeight - 3; y += 3) {
        if (std::abs(y - kIndexRow) < 4)
            continue;
        cairo_move_to(cr, 2, y + 0.5);
        cairo_line_to(cr, kBodyWidth - 2, y + 0.5);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.16);
        cairo_stroke(cr);
        cairo_move_to(cr, 2, y + 1.5);
        cairo_line_to(cr, kBodyWidth - 2, y + 1.5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
        cairo_stroke(cr);
    }
    // Rounded sides.
    cairo_pattern_t* sides = cairo_pattern_create_linear(0, 0, kBodyWidth, 0);
    cairo_pattern_add_color_stop_rgba(sides, 0.0, 0, 0, 0, 0.38);
    cairo_pattern_add_color_stop_rgba(sides, 0.16, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(sides, 0.84, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(sides, 1.0, 0, 0, 0, 0.45);
    cairo_set_source(cr, sides);
    cairo_paint(cr);
    cairo_pattern_destroy(sides);
    // The index line with a light lip on each side.
    cairo_rectangle(cr, 1, kIndexRow - 1, kBodyWidth - 2, 1);
    setColour(cr, rgb(0x9da1a6));
    cairo_fill(cr);
    cairo_rectangle(cr, 1, kIndexRow, kBodyWidth - 2, 1);
    setColour(cr, rgb(0x0a0a0b));
    cairo_fill(cr);
    cairo_rectangle(cr, 1, kIndexRow + 1, kBodyWidth - 2, 1);
    setColour(cr, rgb(0x3c3f43));
    cairo_fill(cr);
    cairo_restore(cr);
    return body;
}

// Opacity of a soft shadow: the body's outline moved right and down, blurred.
std::vector<double> shadowOpacity(Image& body)
{
    std::vector<double> alpha(kCapWidth * kCapHeight, 0.0);
    for (int y = 0; y < kCapHeight; ++y)
        for (int x = 0; x < kCapWidth; ++x)
            alpha[y * kCapWidth + x] = (body.pixel(x, y) >> 24) / 255.0;
    std::vector<double> shadow(alpha.size(), 0.0);
    const int dx = 0, dy = 3, radius = 1;
    for (int y = 0; y < kCapHeight; ++y) {
        for (int x = 0; x < kCapWidth; ++x) {
            double sum = 0;
            int count = 0;
            for (int j = -radius; j <= radius; ++j) {
                for (int i = -radius; i <= radius; ++i) {
                    const int sx = x - dx + i, sy = y - dy + j;
                    ++count;
                    if (sx >= 0 && sy >= 0 && sx < kCapWidth && sy < kCapHeight)
                        sum += alpha[sy * kCapWidth + sx];
                }
            }
            shadow[y * kCapWidth + x] = 0.7 * sum / count;
        }
    }
    return shadow;
}

uint32_t grey(double level)
{
    const uint32_t v = uint32_t(std::lround(std::clamp(level, 0.0, 1.0) * 255));
    return 0xFF000000u | v << 16 | v << 8 | v;
}

} // namespace

std::unique_ptr<Image> faderCap()
{
    auto body = capBody();
    auto cap = std::make_unique<Image>(kCapWidth, kCapHeight);
    for (int y = 0; y < kCapHeight; ++y)
        for (int x = 0; x < kCapWidth; ++x)
            cap->setPixel(x, y, 0xFF000000u | (body->pixel(x, y) & 0xFFFFFF));
    return cap;
}

std::unique_ptr<Image> faderCapMask()
{
    auto body = capBody();
    const std::vector<double> shadow = shadowOpacity(*body);
    auto mask = std::make_unique<Image>(kCapWidth, kCapHeight);
    for (int y = 0; y < kCapHeight; ++y) {
        for (int x = 0; x < kCapWidth; ++x) {
            const double a = (body->pixel(x, y) >> 24) / 255.0;
            mask->setPixel(x, y, grey(a + shadow[y * kCapWidth + x] * (1 - a)));
        }
    }
    return mask;
}

Rgb meterColour(int zone, int row, int column, double level)
{
    static const uint32_t kZones[] = {0x34d84a, 0xe6e03a, 0xff9624, 0xff2d2d};
    static const double kProfile[] = {0.62, 0.82, 0.95, 1.0, 1.0, 0.95, 0.82, 0.62};
    Rgb colour = scaled(rgb(kZones[zone]), kProfile[column]);
    if (column == 3 || column == 4)
        colour = mix(colour, rgb(0xffffff), 0.18);
    // Every third row is the dark gap between two LED segments.
    const double segment = row % 3 == 2 ? 0.32 : 1.0;
    return scaled(colour, segment * level);
}

std::unique_ptr<Image> meterColourStrip()
{
    auto strip = std::make_unique<Image>(32, 361);
    for (int row = 0; row < 361; ++row) {
        for (int x = 0; x < 32; ++x) {
            const Rgb c = meterColour(x / 8, row, x % 8, 1.0);
            const auto byte = [](double v) { return uint32_t(std::lround(v * 255)); };
            strip->setPixel(x, row, 0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b));
        }
    }
    return strip;
}

} // namespace artwork
