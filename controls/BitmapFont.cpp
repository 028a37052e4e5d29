#include "controls/BitmapFont.h"

#include <algorithm>
#include <cstring>

#include "controls/CDIB.h"

namespace {

constexpr char kGlyphOrder[] = "0123456789.,-LR";

} // namespace

BitmapFont::BitmapFont(CDIB* strip, int32_t cellWidth, int32_t glyphHeight, int32_t spacing)
    : spacing(spacing), cellWidth(cellWidth), glyphHeight(glyphHeight)
{
    std::memset(characterMap, kNotInFont, sizeof characterMap);
    if (!strip || !strip->getPixels() || cellWidth <= 0 || glyphHeight <= 0 ||
        glyphHeight > strip->getHeight())
        return;
    stripPixels = strip->getPixels();
    stripRowBytes = strip->getWidth() * 4;
    glyphCount = std::min(strip->getWidth() / cellWidth, kMaxGlyphs);
    for (int32_t glyph = 0; glyph < glyphCount; ++glyph)
        characterMap[uint8_t(kGlyphOrder[glyph])] = uint8_t(glyph);
    // A space passes the range test of drawGlyph, which then only advances.
    characterMap[uint8_t(' ')] = 0;

    // Each glyph's width: its cell without the empty columns on the right,
    // judged by the blue bytes; an empty glyph keeps width 1.
    for (int32_t glyph = 0; glyph < glyphCount; ++glyph) {
        int32_t width = cellWidth;
        while (width > 1) {
            int32_t sum = 0;
            const uint8_t* column = stripPixels + (glyph * cellWidth + width - 1) * 4;
            for (int32_t row = 0; row < glyphHeight; ++row)
                sum += column[row * stripRowBytes];
            if (sum != 0)
                break;
            --width;
        }
        glyphWidths[glyph] = uint8_t(width);
    }
}

int32_t BitmapFont::glyphOf(char character) const
{
    const int32_t glyph = characterMap[uint8_t(character)];
    return glyph < glyphCount ? glyph : -1;
}

int32_t BitmapFont::measureText(const char* text) const
{
    int32_t width = 0;
    for (; text && *text; ++text) {
        const int32_t glyph = glyphOf(*text);
        if (glyph < 0)
            continue;
        if (*text == ' ')
            width += spaceAdvance + spacing;
        else
            width += (fixedPitch ? cellWidth : glyphWidths[glyph]) + spacing;
    }
    return width;
}

int32_t BitmapFont::drawGlyph(uint8_t* pixels, int32_t rowBytes, int32_t x, int32_t y,
                              char character, uint32_t color) const
{
    const int32_t glyph = glyphOf(character);
    if (glyph < 0)
        return 0;
    if (character == ' ')
        return spaceAdvance + spacing;

    int32_t width = glyphWidths[glyph];
    uint8_t* destinationRow = pixels + y * rowBytes + x * 4;
    if (fixedPitch) {
        destinationRow += (cellWidth - width) / 2 * 4;
        width = cellWidth;
    }
    const uint8_t* sourceRow = stripPixels + glyph * cellWidth * 4;
    const float channel[3] = {float(color & 0xFF), float((color >> 8) & 0xFF),
                              float((color >> 16) & 0xFF)};
    for (int32_t row = 0; row < glyphHeight; ++row) {
        uint8_t* destination = destinationRow;
        const uint8_t* source = sourceRow;
        for (int32_t column = 0; column < width; ++column) {
            for (int c = 0; c < 3; ++c) {
                const float old = destination[c];
                destination[c] = uint8_t(old + (channel[c] - old) * float(source[c]) / 255.0f);
            }
            destination += 4;
            source += 4;
        }
        destinationRow += rowBytes;
        sourceRow += stripRowBytes;
    }
    return width + spacing;
}

void BitmapFont::drawText(uint8_t* pixels, int32_t rowBytes, int32_t x, int32_t y, const char* text,
                          uint32_t color) const
{
    for (; text && *text; ++text)
        x += drawGlyph(pixels, rowBytes, x, y, *text, color);
}
