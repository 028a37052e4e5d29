#include "tools/artwork/SettingsPageArt.h"

#include <cmath>
#include <string>
#include <vector>

#include "tools/artwork/LogoArt.h"
#include "tools/artwork/Painting.h"
#include "tools/artwork/PanelArt.h"
#include "tools/artwork/Theme.h"

namespace artwork {

namespace {

constexpr int kRow = 14;       // option rows are 14 pixels apart
constexpr int kSlotWidth = 13; // option marks are 13 x 15
constexpr int kMarkHeight = 15;

struct Group {
    const char* heading;
    int x, y; // origin; the slot starts two pixels right of it
    std::vector<std::string> options;
};

const char* const kPlusMinus = "\xC2\xB1";
const char* const kMinus = "\xE2\x88\x92";

std::vector<Group> groups()
{
    const std::string pm = kPlusMinus;
    const std::string minus = kMinus;
    return {
        {"DEFAULT MODE", 32, 58, {"Normal", "Fine"}},
        {"FINE RANGE", 157, 58, {pm + "6 dB", pm + "12 dB", pm + "18 dB"}},
        {"TRIM RANGE", 157, 130, {pm + "12 dB", pm + "24 dB", pm + "36 dB"}},
        {"BALLISTICS", 32, 130, {"Digital PPM", "PPM", "VU", "BBC"}},
        {"PAN LAW", 32, 218, {"0 dB", minus + "3 dB", minus + "6 dB"}},
        {"MUTE BUTTON", 158, 218, {"Flash LED", "Steady LED"}},
        {"BYPASS BUTTON", 157, 277, {"Flash LED", "Steady LED"}},
    };
}

const Rgb kSlotShade = rgb(0x050606);
const Rgb kSlotLip = rgb(0x4d5156);
const Rgb kSlotInside = rgb(0x16181b);

// One 14-row cell of a slot at (x, y): the dark top edge or separator on row
// 0, the lamp in rows 1..13.
void paintCell(cairo_t* cr, double x, double y, bool lit)
{
    cairo_rectangle(cr, x, y, kSlotWidth, 1);
    setColour(cr, kSlotShade);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y + 1, kSlotWidth, kRow - 1);
    setColour(cr, kSlotInside);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y + 1, 1, kRow - 1);
    setColour(cr, kSlotShade);
    cairo_fill(cr);
    cairo_rectangle(cr, x + kSlotWidth - 1, y + 1, 1, kRow - 1);
    setColour(cr, rgb(0x2c2f33));
    cairo_fill(cr);
    const double cx = x + 6.5, cy = y + 7.5;
    if (lit) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0.5, cx, cy, 5.5);
        cairo_pattern_add_color_stop_rgba(glow, 0, kAccent.r, kAccent.g, kAccent.b, 0.55);
        cairo_pattern_add_color_stop_rgba(glow, 1, kAccent.r, kAccent.g, kAccent.b, 0);
        cairo_rectangle(cr, x + 1, y + 1, kSlotWidth - 2, kRow - 1);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    cairo_arc(cr, cx, cy, 3.2, 0, 2 * M_PI);
    cairo_pattern_t* lamp = cairo_pattern_create_radial(cx - 0.7, cy - 0.8, 0.2, cx, cy, 3.2);
    const Rgb core = lit ? mix(kAccent, rgb(0xffffff), 0.55) : scaled(kAccent, 0.22);
    const Rgb rim = lit ? scaled(kAccent, 0.85) : scaled(kAccent, 0.12);
    cairo_pattern_add_color_stop_rgb(lamp, 0, core.r, core.g, core.b);
    cairo_pattern_add_color_stop_rgb(lamp, 1, rim.r, rim.g, rim.b);
    cairo_set_source(cr, lamp);
    cairo_fill(cr);
    cairo_pattern_destroy(lamp);
}

void paintSlotBottom(cairo_t* cr, double x, double y)
{
    cairo_rectangle(cr, x, y, kSlotWidth, 1);
    setColour(cr, kSlotLip);
    cairo_fill(cr);
}

void paintSlot(cairo_t* cr, double x, double y, int count)
{
    for (int i = 0; i < count; ++i)
        paintCell(cr, x, y + i * kRow, false);
    paintSlotBottom(cr, x, y + count * kRow);
}

struct Button {
    const char* label;
    double x, y, w, h;
};

const Button kButtons[] = {
    {"Revert to Default", 26, 321, 98, 15},
    {"Save as Default", 136, 321, 98, 15},
    {"Close", 26, 341, 98, 15},
    {"Apply", 136, 341, 98, 15},
};

void paintButtons(cairo_t* cr, const FontBook& fonts, bool lit)
{
    for (const Button& b : kButtons) {
        roundedRect(cr, b.x - 1, b.y - 1, b.w + 2, b.h + 2, 3.5);
        setColour(cr, rgb(0x08090a));
        cairo_fill(cr);
        roundedRect(cr, b.x, b.y, b.w, b.h, 2.5);
        if (lit)
            verticalGradient(cr, b.y, b.y + b.h, mix(kAccent, rgb(0xffffff), 0.25),
                             scaled(kAccent, 0.72));
        else
            verticalGradient(cr, b.y, b.y + b.h, rgb(0x5a5f65), rgb(0x33373b));
        cairo_fill(cr);
        cairo_rectangle(cr, b.x + 2, b.y, b.w - 4, 1);
        cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.35 : 0.18);
        cairo_fill(cr);
        TextStyle text{Face::CondensedBold, 8.5, lit ? rgb(0x1a1204) : rgb(0xe1e3e6)};
        text.align = Align::Centre;
        text.shadow = !lit;
        text.tracking = 0.2;
        drawText(cr, fonts, text, b.x + b.w / 2, b.y + 10.5, b.label);
    }
}

void paintPage(Image& page, const FontBook& fonts, bool twoChannel, bool buttonsLit)
{
    paintPanelBase(page, twoChannel ? 122 : 127);
    cairo_t* cr = page.cr();
    TextStyle title{Face::SansBold, 13, kCaptionBright};
    title.tracking = 2.5;
    title.shadow = true;
    drawText(cr, fonts, title, 20, 30, "SETTINGS");
    cairo_rectangle(cr, 20, 36, 22, 2);
    setColour(cr, kAccent);
    cairo_fill(cr);

    TextStyle heading{Face::CondensedBold, 8, kAccent};
    heading.tracking = 1.0;
    TextStyle option{Face::Sans, 9, kCaptionBright};
    TextStyle muted{Face::Sans, 9, kCaption};
    for (const Group& group : groups()) {
        const int slotX = group.x + 2;
        drawText(cr, fonts, heading, slotX, group.y - 5, group.heading);
        const bool panLaw = std::string(group.heading) == "PAN LAW";
        if (panLaw && !twoChannel) {
            // The value is painted by the page at (slot + 21, top + 1).
            insetField(cr, slotX + 16, group.y, 25, 14, 2, kValueField);
            drawText(cr, fonts, muted, slotX + 46, group.y + 11, "dB");
            drawText(cr, fonts, muted, slotX, group.y + 28, "two-channel only");
            continue;
        }
        paintSlot(cr, slotX, group.y, int(group.options.size()));
        for (size_t i = 0; i < group.options.size(); ++i)
            drawText(cr, fonts, option, slotX + kSlotWidth + 6, group.y + i * kRow + 11,
                     group.options[i]);
    }
    paintButtons(cr, fonts, buttonsLit);

    // The maker's block.
    cairo_rectangle(cr, 40, 378, 185, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_fill(cr);
    cairo_rectangle(cr, 40, 379, 185, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_fill(cr);
    paintEmblem(cr, 132.5, 420, 17, false);
    TextStyle maker{Face::SansBold, 12, kCaptionBright};
    maker.align = Align::Centre;
    maker.tracking = 4.5;
    maker.shadow = true;
    drawText(cr, fonts, maker, 132.5, 463, "CORVATH");
    TextStyle product{Face::Condensed, 8.5, kCaption};
    product.align = Align::Centre;
    product.tracking = 0.6;
    drawText(cr, fonts, product, 132.5, 478,
             twoChannel ? "Tolvo \xC2\xB7 stereo gain stage" : "Tolvo \xC2\xB7 mono gain stage");
}

} // namespace

std::unique_ptr<Image> settingsPage(const FontBook& fonts, bool twoChannel)
{
    auto page = std::make_unique<Image>(265, 534);
    paintPage(*page, fonts, twoChannel, false);
    return page;
}

std::unique_ptr<Image> optionMark()
{
    auto mark = std::make_unique<Image>(kSlotWidth, 2 * kMarkHeight);
    cairo_t* cr = mark->cr();
    paintCell(cr, 0, 0, true);
    cairo_rectangle(cr, 0, kRow, kSlotWidth, 1); // the next cell's separator
    setColour(cr, kSlotShade);
    cairo_fill(cr);
    paintCell(cr, 0, kMarkHeight, true);
    paintSlotBottom(cr, 0, kMarkHeight + kRow);
    return mark;
}

std::unique_ptr<Image> settingsButtonsLit(const FontBook& fonts)
{
    Image page(265, 534);
    paintPage(page, fonts, false, true);
    auto lit = std::make_unique<Image>(210, 37);
    lit->paint(page, -26, -319);
    return lit;
}

} // namespace artwork
