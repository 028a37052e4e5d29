#include "tools/artwork/PanelArt.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "tools/artwork/FaderArt.h"
#include "tools/artwork/Painting.h"
#include "tools/artwork/Theme.h"

namespace artwork {

namespace {

constexpr int kWidth = 265;
constexpr int kHeight = 534;

// Control rectangles of the editor (left, top) and the fader's inner layout.
constexpr int kFaderLeft = 57, kFaderTop = 48;
constexpr int kMeterLeft = kFaderLeft + 9; // meter columns x 9..16
constexpr int kMeterTop = kFaderTop + 20;  // meter rows 20..381
constexpr int kMeterRows = 362;
constexpr double kKnobX = 196.0, kKnobY = 172.0;

uint32_t packed(Rgb c)
{
    const auto byte = [](double v) { return uint32_t(std::lround(std::fmin(1.0, v) * 255)); };
    return 0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

// The meter's colour zones, computed as the fader computes them, so that the
// unlit LEDs printed here have the hues the lit ones take.
void meterZone(int row, int& zone, double& weight)
{
    const double k = std::log(0.125) / std::log(0.5909090909090909);
    const auto level = [k](int i) { return 8 * std::pow(1.0 - i / 361.0, k); };
    int start = 0, current = 3;
    double previous = 8;
    for (int i = 0; i <= 361; ++i) {
        const double value = level(i);
        if ((previous > 2 && value <= 2) || (previous > 1 && value <= 1) || i == 361) {
            if (row >= start && row <= i) {
                zone = current;
                weight = 1.0 - double(row - start) / (i - start);
            }
            --current;
            start = i;
        }
        previous = value;
    }
}

void paintMeterSlot(Image& panel, bool twoChannel)
{
    cairo_t* cr = panel.cr();
    cairo_rectangle(cr, kMeterLeft - 1, kMeterTop - 1, 10, kMeterRows + 2);
    setColour(cr, rgb(0x050606));
    cairo_fill(cr);
    for (int row = 0; row < kMeterRows; ++row) {
        int zone = 1;
        double weight = 1;
        meterZone(row, zone, weight);
        for (int column = 0; column < 8; ++column) {
            const Rgb low = meterColour(zone - 1, std::min(row, 360), column, 0.17);
            const Rgb high = meterColour(zone, std::min(row, 360), column, 0.17);
            Rgb c = mix(low, high, weight);
            if (twoChannel && (column == 3 || column == 4))
                c = rgb(0x050606);
            panel.setPixel(kMeterLeft + column, kMeterTop + row, packed(c));
        }
    }
}

void paintScalePlate(Image& panel, const FontBook& fonts, bool twoChannel)
{
    cairo_t* cr = panel.cr();
    const double x = kFaderLeft + 1, y = kFaderTop + 4, w = 32, h = 390;
    roundedRect(cr, x - 1, y - 1, w + 2, h + 2, 3.5);
    setColour(cr, rgb(0x0e0f10));
    cairo_fill(cr);
    roundedRect(cr, x, y, w, h, 3);
    verticalGradient(cr, y, y + h, mix(kScalePlate, rgb(0xffffff), 0.12),
                     scaled(kScalePlate, 0.88));
    cairo_fill(cr);
    TextStyle unit{Face::CondensedBold, 7.5, rgb(0x2a2b2c)};
    unit.align = Align::Centre;
    drawText(cr, fonts, unit, kFaderLeft + 24.5, kFaderTop + 13, twoChannel ? "L R" : "dB");
    paintMeterSlot(panel, twoChannel);
}

void paintFaderTrack(cairo_t* cr)
{
    const double cx = kFaderLeft + 80.0; // between the tick ends at x 73 and 86
    const double top = kFaderTop + 14, bottom = kFaderTop + 386;
    roundedRect(cr, cx - 3.5, top - 1, 7, bottom - top + 2, 3.5);
    setColour(cr, rgb(0x4a4e53));
    cairo_fill(cr);
    roundedRect(cr, cx - 3.5, top - 1, 7, bottom - top + 1, 3.5);
    setColour(cr, rgb(0x0b0c0d));
    cairo_fill(cr);
    roundedRect(cr, cx - 1.5, top + 1, 3, bottom - top - 2, 1.5);
    setColour(cr, rgb(0x000000));
    cairo_fill(cr);
}

void paintKnob(cairo_t* cr, const FontBook& fonts)
{
    const double cx = kKnobX, cy = kKnobY;
    // Scale: eleven ticks along the 270 degree arc, the middle one marked.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i <= 10; ++i) {
        const double theta = (45 + i * 27) * M_PI / 180;
        const double dx = -std::sin(theta), dy = std::cos(theta);
        const bool major = i == 0 || i == 5 || i == 10;
        const double inner = 16.5, outer = major ? 20.5 : 19;
        cairo_move_to(cr, cx + dx * inner, cy + dy * inner);
        cairo_line_to(cr, cx + dx * outer, cy + dy * outer);
        cairo_set_line_width(cr, major ? 1.4 : 1.0);
        setColour(cr, i == 5 ? kAccent : kCaption);
        cairo_stroke(cr);
    }
    TextStyle sign{Face::SansBold, 9, kCaption};
    sign.align = Align::Centre;
    drawText(cr, fonts, sign, cx - 19, cy + 22.5, "\xE2\x88\x92");
    drawText(cr, fonts, sign, cx + 19.5, cy + 22.5, "+");
    // Shadow, skirt and brushed face.
    cairo_arc(cr, cx + 0.8, cy + 1.6, 14.6, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 14.5, 0, 2 * M_PI);
    verticalGradient(cr, cy - 14.5, cy + 14.5, rgb(0x55595e), rgb(0x141516));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 12.6, 0, 2 * M_PI);
    verticalGradient(cr, cy - 12.6, cy + 12.6, rgb(0x7c8086), rgb(0x2a2c2f));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 12.0, 0, 2 * M_PI);
    cairo_pattern_t* face = cairo_pattern_create_radial(cx - 4, cy - 5, 1, cx, cy, 12.5);
    cairo_pattern_add_color_stop_rgb(face, 0, 0.93, 0.93, 0.94);
    cairo_pattern_add_color_stop_rgb(face, 0.6, 0.78, 0.79, 0.80);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.60, 0.61, 0.63);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    // Concentric machining rings.
    cairo_set_line_width(cr, 0.5);
    for (double r = 2.5; r < 12; r += 1.6) {
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.05);
        cairo_stroke(cr);
    }
}

// A slightly sunken plate that groups the controls of one section.
void sectionPlate(cairo_t* cr, double x, double y, double w, double h)
{
    roundedRect(cr, x, y, w, h, 5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.20);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 4.5);
    cairo_pattern_t* edge = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(edge, 0, 0, 0, 0, 0.45);
    cairo_pattern_add_color_stop_rgba(edge, 1, 1, 1, 1, 0.10);
    cairo_set_source(cr, edge);
    cairo_stroke(cr);
    cairo_pattern_destroy(edge);
}

// A shallow well that a button sits in.
void buttonWell(cairo_t* cr, double x, double y, double w, double h)
{
    roundedRect(cr, x - 1.5, y - 1.5, w + 3, h + 3, 4);
    verticalGradient(cr, y - 2, y + h + 2, rgb(0x0d0e0f), rgb(0x53575c));
    cairo_fill(cr);
}

void paintHoldLegend(cairo_t* cr, const FontBook& fonts, double x, double y)
{
    const struct {
        Rgb colour;
        const char* name;
    } markers[] = {{rgb(0xff0000), "PEAK"}, {rgb(0xffaa00), "RMS"}};
    TextStyle text{Face::CondensedBold, 7, kCaption};
    drawText(cr, fonts, text, x, y, "HOLD");
    for (int i = 0; i < 2; ++i) {
        const double my = y + 9 + i * 10;
        const int widths[] = {2, 3, 5, 3, 2};
        for (int row = 0; row < 5; ++row) {
            cairo_rectangle(cr, x, my - 6 + row, widths[row], 1);
            setColour(cr, markers[i].colour);
            cairo_fill(cr);
        }
        drawText(cr, fonts, text, x + 8, my, markers[i].name);
    }
}

} // namespace

void paintPanelBase(Image& image, uint32_t seed)
{
    brushedMetal(image, 0, 0, image.width(), image.height(), rgb(0x2c2f33), 0.035, seed);
    cairo_t* cr = image.cr();
    cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, image.height());
    cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.06);
    cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.22);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    // Bevelled edge.
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, image.width() - 1, image.height() - 1);
    setColour(cr, rgb(0x08090a));
    cairo_stroke(cr);
    cairo_move_to(cr, 1.5, image.height() - 1.5);
    cairo_line_to(cr, 1.5, 1.5);
    cairo_line_to(cr, image.width() - 1.5, 1.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_stroke(cr);
    screw(cr, 9, 9, 0.4);
    screw(cr, image.width() - 9, 9, 1.1);
    screw(cr, 9, image.height() - 9, 0.9);
    screw(cr, image.width() - 9, image.height() - 9, 0.2);
}

std::unique_ptr<Image> mainPanel(const FontBook& fonts, bool twoChannel)
{
    auto panel = std::make_unique<Image>(kWidth, kHeight);
    paintPanelBase(*panel, twoChannel ? 110 : 123);
    cairo_t* cr = panel->cr();

    // Header.
    TextStyle title{Face::SansBold, 17, kCaptionBright};
    title.tracking = 3.2;
    title.shadow = true;
    drawText(cr, fonts, title, 20, 30, "TOLVO");
    TextStyle subtitle{Face::CondensedBold, 7.5, kCaption};
    subtitle.align = Align::Right;
    subtitle.tracking = 1.2;
    drawText(cr, fonts, subtitle, 246, 29, twoChannel ? "STEREO GAIN STAGE" : "MONO GAIN STAGE");
    cairo_rectangle(cr, 20, 36, 22, 2);
    setColour(cr, kAccent);
    cairo_fill(cr);

    // Logo well, meter scale, fader track.
    buttonWell(cr, 7, 71, 39, 52);
    paintScalePlate(*panel, fonts, twoChannel);
    paintFaderTrack(cr);
    paintHoldLegend(cr, fonts, 12, 395);

    sectionPlate(cr, 160, 44, 90, 84);
    sectionPlate(cr, 160, 134, 90, 86);
    sectionPlate(cr, 160, 287, 90, 151);
    sectionPlate(cr, 7, 384, 43, 48);

    // Readouts.
    TextStyle caption{Face::CondensedBold, 8, kCaption};
    caption.align = Align::Centre;
    caption.tracking = 1.0;
    TextStyle unit{Face::Condensed, 7.5, kCaption};
    drawText(cr, fonts, caption, 195.5, 57, "PEAK");
    insetField(cr, 175, 61, 41, 15, 2, kReadoutField);
    drawText(cr, fonts, unit, 220, 72, "dB");
    drawText(cr, fonts, caption, 195.5, 100, "RMS");
    insetField(cr, 175, 104, 41, 15, 2, kReadoutField);
    drawText(cr, fonts, unit, 220, 115, "dB");

    // Trim.
    drawText(cr, fonts, caption, kKnobX, 145, "TRIM");
    paintKnob(cr, fonts);
    insetField(cr, 167, 190, 59, 22, 2.5, kValueField);
    drawText(cr, fonts, unit, 230, 205, "dB");

    // Lamp buttons (each 52 x 19) and the Pre button.
    for (int top : {297, 334, 371, 408})
        buttonWell(cr, 179, top, 52, 19);
    buttonWell(cr, 58, 448, 36, 20);

    // Gain.
    insetField(cr, 109, 449, 59, 22, 2.5, kValueField);
    drawText(cr, fonts, unit, 172, 464, "dB");
    drawText(cr, fonts, caption, 138.5, 484, "GAIN");
    drawText(cr, fonts, caption, 76.5, 484, "INPUT");

    // Maker.
    TextStyle maker{Face::SansBold, 8, scaled(kCaption, 0.85)};
    maker.align = Align::Centre;
    maker.tracking = 3.0;
    drawText(cr, fonts, maker, 132.5, 515, "CORVATH");
    return panel;
}

} // namespace artwork
