#include "tools/artwork/DigitStrips.h"

#include <string>
#include <vector>

#include "controls/TextLooks.h"

namespace artwork {

namespace {

// One glyph cell, a string per row. '#' full coverage, 'o' and '+' edge
// shading, ':' the faint right fringe; anything else is empty.
using Glyph = std::vector<std::string>;

// 6 x 9 cells, digits 4 pixels wide on rows 0..6 between an empty column 0 and
// a faint fringe in column 5: with the fonts' spacing of -1 the fringe falls
// into the gap before the next glyph.
const Glyph kSmallGlyphs[] = {
    {" +##+ ", " #  #:", " #  #:", " #  #:", " #  #:", " #  #:", " +##+ "},
    {"  #:  ", " ##:  ", "  #:  ", "  #:  ", "  #:  ", "  #:  ", "  #:  "},
    {" +##+ ", " #  #:", "    #:", "   +o ", "  +o  ", " +o   ", " ####:"},
    {" +##+ ", " #  #:", "    #:", "  ##+ ", "    #:", " #  #:", " +##+ "},
    {"   +#:", "  +o#:", " +o #:", " #  #:", " ####:", "    #:", "    #:"},
    {" ####:", " #    ", " ###+ ", "    #:", "    #:", " #  #:", " +##+ "},
    {"  +#+ ", " +o   ", " #    ", " ###+ ", " #  #:", " #  #:", " +##+ "},
    {" ####:", "    #:", "   +o ", "   #  ", "  +o  ", "  #   ", "  #   "},
    {" +##+ ", " #  #:", " #  #:", " +##+ ", " #  #:", " #  #:", " +##+ "},
    {" +##+ ", " #  #:", " #  #:", " +###:", "    #:", "   +o ", " +#+  "},
    {"", "", "", "", "", "", " #:"},
    {"", "", "", "", "", " #:", " #:", "+o"},
    {"", "", "", "##:"},
};

// 7 x 11 cells, digits 5 by 9 pixels on rows 2..10. Glyphs of width 6 use
// columns 1..5; the narrower 7, 9, 1, L sit further left so that the fixed-
// pitch fields, which centre each glyph by its width, line them all up.
const Glyph kLargeGlyphs[] = {
    {"", "", " +###+ ", " #   # ", " #   # ", " #   # ", " #   # ", " #   # ", " #   # ", " #   # ",
     " +###+ "},
    {"", "", "+#", "##", " #", " #", " #", " #", " #", " #", "###"},
    {"", "", " +###+ ", " #   # ", "     # ", "    +o ", "   +o  ", "  +o   ", " +o    ", " #     ",
     " ##### "},
    {"", "", " +###+ ", " #   # ", "     # ", "     # ", "  ###+ ", "     # ", "     # ", " #   # ",
     " +###+ "},
    {"", "", "    +# ", "   +o# ", "  +o # ", " +o  # ", " #   # ", " ##### ", "     # ", "     # ",
     "     # "},
    {"", "", " ##### ", " #     ", " #     ", " ####+ ", "     # ", "     # ", "     # ", " #   # ",
     " +###+ "},
    {"", "", "  +##+ ", " +o    ", " #     ", " #     ", " ####+ ", " #   # ", " #   # ", " #   # ",
     " +###+ "},
    {"", "", "#####", "    #", "   +o", "   # ", "  +o ", "  #  ", "  #  ", "  #  ", "  #  "},
    {"", "", " +###+ ", " #   # ", " #   # ", " #   # ", " +###+ ", " #   # ", " #   # ", " #   # ",
     " +###+ "},
    {"", "", "+###+", "#   #", "#   #", "#   #", "+####", "    #", "    #", "   +o", "+##+ "},
    {"", "", "", "", "", "", "", "", "", "##", "##"},
    {"", "", "", "", "", "", "", "", "##", "##", "o "},
    {"", "", "", "", "", "", " ###"},
    {"", "", "#", "#", "#", "#", "#", "#", "#", "#", "#####"},
    {"", "", " ####+ ", " #   # ", " #   # ", " #   # ", " ####+ ", " #  +o ", " #   # ", " #   # ",
     " #   # "},
};

uint32_t coverage(char mark)
{
    switch (mark) {
    case '#':
        return 255;
    case 'o':
        return 180;
    case '+':
        return 110;
    case ':':
        return 36;
    default:
        return 0;
    }
}

std::unique_ptr<Image> paintStrip(const Glyph* glyphs, int count, int cellWidth, int height)
{
    auto strip = std::make_unique<Image>(count * cellWidth, height);
    for (int g = 0; g < count; ++g) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                const std::string& row = y < int(glyphs[g].size()) ? glyphs[g][y] : "";
                const uint32_t c = x < int(row.size()) ? coverage(row[x]) : 0;
                strip->setPixel(g * cellWidth + x, y, 0xFF000000u | c << 16 | c << 8 | c);
            }
        }
    }
    return strip;
}

} // namespace

std::unique_ptr<Image> smallDigitStrip()
{
    return paintStrip(kSmallGlyphs, 13, kSmallDigitFont.cellWidth, kSmallDigitFont.glyphHeight);
}

std::unique_ptr<Image> largeDigitStrip()
{
    return paintStrip(kLargeGlyphs, 15, kLargeDigitFont.cellWidth, kLargeDigitFont.glyphHeight);
}

} // namespace artwork
