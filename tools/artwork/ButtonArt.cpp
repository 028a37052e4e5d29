#include "tools/artwork/ButtonArt.h"

#include <cmath>

namespace artwork {

namespace {

constexpr int kFrameWidth = 52;
constexpr int kFrameHeight = 19;
constexpr int kFaceWidth = 36;

void lampGlass(cairo_t* cr, double x, double y, double w, double h, Rgb lamp, bool lit)
{
    roundedRect(cr, x, y, w, h, 2);
    setColour(cr, rgb(0x050506));
    cairo_fill(cr);
    const double cx = x + w / 2, cy = y + h / 2;
    cairo_pattern_t* glass = cairo_pattern_create_radial(cx, cy, 0.5, cx, cy, w * 0.62);
    if (lit) {
        const Rgb core = mix(lamp, rgb(0xffffff), 0.55);
        cairo_pattern_add_color_stop_rgb(glass, 0, core.r, core.g, core.b);
        cairo_pattern_add_color_stop_rgb(glass, 0.45, lamp.r, lamp.g, lamp.b);
        const Rgb rim = scaled(lamp, 0.55);
        cairo_pattern_add_color_stop_rgb(glass, 1, rim.r, rim.g, rim.b);
    } else {
        const Rgb dark = scaled(lamp, 0.22);
        const Rgb rim = scaled(lamp, 0.10);
        cairo_pattern_add_color_stop_rgb(glass, 0, dark.r, dark.g, dark.b);
        cairo_pattern_add_color_stop_rgb(glass, 1, rim.r, rim.g, rim.b);
    }
    roundedRect(cr, x + 1, y + 1, w - 2, h - 2, 1.5);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    // A reflection across the upper half of the glass.
    roundedRect(cr, x + 2, y + 1.5, w - 4, h / 2 - 1.5, 1.5);
    cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.28 : 0.10);
    cairo_fill(cr);
}

void paintLampFrame(cairo_t* cr, const FontBook& fonts, double left, const std::string& caption,
                    Rgb lamp, bool on)
{
    cairo_save(cr);
    cairo_translate(cr, left, 0);
    roundedRect(cr, 0, 0, kFrameWidth, kFrameHeight, 3);
    setColour(cr, rgb(0x0b0c0d));
    cairo_fill(cr);
    // Face: raised when off, pressed in when on.
    cairo_save(cr);
    roundedRect(cr, 1, 1, kFaceWidth - 1, kFrameHeight - 2, 2.2);
    cairo_clip(cr);
    if (on)
        verticalGradient(cr, 1, kFrameHeight - 1, rgb(0x24272a), rgb(0x3a3e43));
    else
        verticalGradient(cr, 1, kFrameHeight - 1, rgb(0x5d6268), rgb(0x34383c));
    cairo_paint(cr);
    cairo_rectangle(cr, 1, on ? kFrameHeight - 2 : 1, kFaceWidth - 1, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, on ? 0.06 : 0.22);
    cairo_fill(cr);
    if (on) {
        cairo_rectangle(cr, 1, 1, kFaceWidth - 1, 2);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // A pressed face's caption takes a light tint of its lamp, so an engaged
    // button reads as engaged even while its lamp flashes dark.
    TextStyle text{Face::CondensedBold, 8.5, on ? mix(lamp, rgb(0xffffff), 0.6) : rgb(0xd4d7da)};
    text.align = Align::Centre;
    text.tracking = 0.6;
    text.shadow = true;
    // Every caption takes the size at which the longest one fits.
    text = fitted(cr, fonts, text, "BYPASS", kFaceWidth - 6);
    drawText(cr, fonts, text, kFaceWidth / 2.0, on ? 13 : 12.5, caption);
    // Lamp: housing in columns 36..51.
    cairo_rectangle(cr, kFaceWidth, 1, kFrameWidth - kFaceWidth - 1, kFrameHeight - 2);
    verticalGradient(cr, 1, kFrameHeight - 1, rgb(0x2b2e32), rgb(0x1c1e21));
    cairo_fill(cr);
    lampGlass(cr, kFaceWidth + 2, 3, kFrameWidth - kFaceWidth - 5, kFrameHeight - 6, lamp, on);
    cairo_restore(cr);
}

void paintPreFrame(cairo_t* cr, const FontBook& fonts, double left, bool on)
{
    const Rgb green = rgb(0x3be04f);
    cairo_save(cr);
    cairo_translate(cr, left, 0);
    const double cx = 9, cy = 10, r = 7.8;
    cairo_arc(cr, cx, cy, r + 0.8, 0, 2 * M_PI);
    setColour(cr, rgb(0x0b0c0d));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 0.4, 0, 2 * M_PI);
    if (on)
        verticalGradient(cr, cy - r, cy + r, rgb(0x25282b), rgb(0x43474c));
    else
        verticalGradient(cr, cy - r, cy + r, rgb(0x676c72), rgb(0x2e3135));
    cairo_fill(cr);
    // The lamp in the middle of the button.
    const double lr = 3.3;
    cairo_arc(cr, cx, cy, lr + 0.8, 0, 2 * M_PI);
    setColour(cr, rgb(0x060707));
    cairo_fill(cr);
    cairo_pattern_t* glass = cairo_pattern_create_radial(cx - 0.8, cy - 0.8, 0.3, cx, cy, lr);
    const Rgb core = on ? mix(green, rgb(0xffffff), 0.6) : scaled(green, 0.26);
    const Rgb rim = on ? scaled(green, 0.7) : scaled(green, 0.10);
    cairo_pattern_add_color_stop_rgb(glass, 0, core.r, core.g, core.b);
    cairo_pattern_add_color_stop_rgb(glass, 1, rim.r, rim.g, rim.b);
    cairo_arc(cr, cx, cy, lr, 0, 2 * M_PI);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    TextStyle text{Face::CondensedBold, 8.5, rgb(0xd4d7da)};
    text.align = Align::Centre;
    text.shadow = true;
    text.tracking = 0.3;
    text = fitted(cr, fonts, text, "PRE", 15);
    drawText(cr, fonts, text, 26.5, 13.5, "PRE");
    cairo_restore(cr);
}

} // namespace

std::unique_ptr<Image> lampButtonStrip(const FontBook& fonts, const std::string& caption, Rgb lamp,
                                       Image& panel, int left, int top)
{
    auto strip = panelBackedStrip(panel, left, top, kFrameWidth, kFrameHeight, 2);
    paintLampFrame(strip->cr(), fonts, 0, caption, lamp, false);
    paintLampFrame(strip->cr(), fonts, kFrameWidth, caption, lamp, true);
    return strip;
}

std::unique_ptr<Image> preButtonStrip(const FontBook& fonts, Image& panel, int left, int top)
{
    auto strip = panelBackedStrip(panel, left, top, 38, 20, 2);
    paintPreFrame(strip->cr(), fonts, 0, false);
    paintPreFrame(strip->cr(), fonts, 38, true);
    return strip;
}

} // namespace artwork
