#include "tools/artwork/LogoArt.h"

#include <cmath>

#include "tools/artwork/Painting.h"
#include "tools/artwork/Theme.h"

namespace artwork {

void paintEmblem(cairo_t* cr, double cx, double cy, double radius, bool lit)
{
    const Rgb accent = lit ? mix(kAccent, rgb(0xffffff), 0.35) : kAccent;
    cairo_save(cr);
    if (lit) {
        cairo_pattern_t* glow =
            cairo_pattern_create_radial(cx, cy, radius * 0.4, cx, cy, radius * 1.45);
        cairo_pattern_add_color_stop_rgba(glow, 0, kAccent.r, kAccent.g, kAccent.b, 0.45);
        cairo_pattern_add_color_stop_rgba(glow, 1, kAccent.r, kAccent.g, kAccent.b, 0);
        cairo_arc(cr, cx, cy, radius * 1.45, 0, 2 * M_PI);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    // A ring broken at the bottom like a dial's arc, with a fader in it.
    cairo_set_line_width(cr, radius * 0.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy, radius, M_PI * 0.75, M_PI * 2.25);
    setColour(cr, accent);
    cairo_stroke(cr);
    cairo_set_line_width(cr, radius * 0.13);
    cairo_move_to(cr, cx, cy - radius * 0.55);
    cairo_line_to(cr, cx, cy + radius * 0.85);
    setColour(cr, lit ? rgb(0xf4f4f4) : rgb(0xb9bcc0));
    cairo_stroke(cr);
    roundedRect(cr, cx - radius * 0.42, cy - radius * 0.12, radius * 0.84, radius * 0.36,
                radius * 0.08);
    setColour(cr, accent);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {

void paintLogoFrame(cairo_t* cr, const FontBook& fonts, double left, bool lit)
{
    cairo_save(cr);
    cairo_translate(cr, left, 0);
    roundedRect(cr, 0.5, 0.5, 38, 51, 4);
    verticalGradient(cr, 0, 52, rgb(0x0d0e0f), rgb(0x3c4045));
    cairo_fill(cr);
    roundedRect(cr, 1.5, 1.5, 36, 49, 3.2);
    verticalGradient(cr, 1, 51, lit ? rgb(0x2b2f33) : rgb(0x24272b),
                     lit ? rgb(0x1b1d20) : rgb(0x17191b));
    cairo_fill(cr);
    paintEmblem(cr, 19.5, 20, 10.5, lit);
    TextStyle caption{Face::CondensedBold, 7.5, lit ? rgb(0xffffff) : rgb(0x9ea3a8)};
    caption.align = Align::Centre;
    caption.tracking = 0.9;
    drawText(cr, fonts, caption, 19.5, 45, "SETUP");
    cairo_restore(cr);
}

} // namespace

std::unique_ptr<Image> logoStrip(const FontBook& fonts, Image& panel, int left, int top)
{
    auto strip = panelBackedStrip(panel, left, top, 39, 52, 2);
    paintLogoFrame(strip->cr(), fonts, 0, false);
    paintLogoFrame(strip->cr(), fonts, 39, true);
    return strip;
}

} // namespace artwork
