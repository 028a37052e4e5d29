#include "tools/artwork/Painting.h"

#include <algorithm>
#include <cmath>

namespace artwork {

Rgb rgb(uint32_t hex)
{
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(Rgb colour, double factor)
{
    return {std::min(1.0, colour.r * factor), std::min(1.0, colour.g * factor),
            std::min(1.0, colour.b * factor)};
}

void setColour(cairo_t* cr, Rgb colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void verticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(pattern, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

namespace {

double advanceOf(cairo_t* cr, const std::string& glyph)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, glyph.c_str(), &extents);
    return extents.x_advance;
}

// Splits UTF-8 text into characters.
template <typename Each>
void forEachCharacter(const std::string& text, Each each)
{
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        each(text.substr(i, length));
        i += length;
    }
}

double trackedWidth(cairo_t* cr, const TextStyle& style, const std::string& text)
{
    if (style.tracking == 0.0)
        return advanceOf(cr, text);
    double width = 0;
    forEachCharacter(
        text, [&](const std::string& glyph) { width += advanceOf(cr, glyph) + style.tracking; });
    return width - style.tracking;
}

void showAt(cairo_t* cr, const TextStyle& style, double x, double baseline, const std::string& text)
{
    if (style.tracking == 0.0) {
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, text.c_str());
        return;
    }
    forEachCharacter(text, [&](const std::string& glyph) {
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, glyph.c_str());
        x += advanceOf(cr, glyph) + style.tracking;
    });
}

} // namespace

double textWidth(cairo_t* cr, const FontBook& fonts, const TextStyle& style,
                 const std::string& text)
{
    cairo_save(cr);
    fonts.select(cr, style.face, style.size);
    const double width = trackedWidth(cr, style, text);
    cairo_restore(cr);
    return width;
}

void drawText(cairo_t* cr, const FontBook& fonts, const TextStyle& style, double x, double baseline,
              const std::string& text)
{
    cairo_save(cr);
    fonts.select(cr, style.face, style.size);
    const double width = trackedWidth(cr, style, text);
    if (style.align == Align::Centre)
        x -= width / 2;
    else if (style.align == Align::Right)
        x -= width;
    x = std::round(x);
    if (style.shadow) {
        cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
        showAt(cr, style, x, baseline + 1, text);
    }
    setColour(cr, style.colour);
    showAt(cr, style, x, baseline, text);
    cairo_restore(cr);
}

TextStyle fitted(cairo_t* cr, const FontBook& fonts, TextStyle style, const std::string& text,
                 double width)
{
    while (style.tracking > 0 && textWidth(cr, fonts, style, text) > width)
        style.tracking = std::max(0.0, style.tracking - 0.1);
    while (style.size > 5 && textWidth(cr, fonts, style, text) > width)
        style.size -= 0.25;
    return style;
}

double Noise::next()
{
    state_ = state_ * 1664525u + 1013904223u;
    return ((state_ >> 8) & 0xFFFF) / 32767.5 - 1.0;
}

void brushedMetal(Image& image, int x, int y, int w, int h, Rgb base, double depth, uint32_t seed)
{
    Noise noise(seed);
    for (int column = x; column < x + w; ++column) {
        const double streak = noise.next() * depth;
        for (int row = y; row < y + h; ++row) {
            const double grain = noise.next() * depth * 0.35;
            const double shade = 1.0 + streak + grain;
            const Rgb c = scaled(base, shade);
            const auto byte = [](double v) {
                return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            image.setPixel(column, row, 0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b));
        }
    }
}

std::unique_ptr<Image> panelBackedStrip(Image& panel, int left, int top, int frameWidth, int height,
                                        int frames)
{
    auto strip = std::make_unique<Image>(frames * frameWidth, height);
    cairo_t* cr = strip->cr();
    for (int frame = 0; frame < frames; ++frame) {
        cairo_save(cr);
        cairo_rectangle(cr, frame * frameWidth, 0, frameWidth, height);
        cairo_clip(cr);
        cairo_set_source_surface(cr, panel.surface(), frame * frameWidth - left, -top);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    return strip;
}

void insetField(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb fill)
{
    cairo_save(cr);
    // Light lip along the lower edge, dark shade along the upper one.
    roundedRect(cr, x - 1, y - 1, w + 2, h + 2, radius + 1);
    verticalGradient(cr, y - 1, y + h + 1, rgb(0x0a0b0c), rgb(0x5a5e63));
    cairo_fill(cr);
    roundedRect(cr, x, y, w, h, radius);
    setColour(cr, fill);
    cairo_fill(cr);
    // Inner shadow under the upper edge.
    roundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, y, 0, y + 3);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.45);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0);
    cairo_set_source(cr, shade);
    cairo_paint(cr);
    cairo_pattern_destroy(shade);
    cairo_restore(cr);
}

void screw(cairo_t* cr, double cx, double cy, double turn)
{
    cairo_save(cr);
    cairo_arc(cr, cx, cy + 0.6, 3.6, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_fill(cr);
    cairo_pattern_t* head = cairo_pattern_create_radial(cx - 1, cy - 1.2, 0.5, cx, cy, 3.4);
    cairo_pattern_add_color_stop_rgb(head, 0, 0.62, 0.63, 0.65);
    cairo_pattern_add_color_stop_rgb(head, 1, 0.27, 0.28, 0.30);
    cairo_arc(cr, cx, cy, 3.3, 0, 2 * M_PI);
    cairo_set_source(cr, head);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    cairo_set_line_width(cr, 0.9);
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.09, 0.85);
    for (int arm = 0; arm < 2; ++arm) {
        const double a = turn + arm * M_PI / 2;
        cairo_move_to(cr, cx - std::cos(a) * 2.3, cy - std::sin(a) * 2.3);
        cairo_line_to(cr, cx + std::cos(a) * 2.3, cy + std::sin(a) * 2.3);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace artwork
