#pragma once

#include <cstdint>

class CDIB;

// A digit font cut from a strip of equal cells holding the glyphs
// "0123456789.,-LR" (light on black, each byte the coverage of its channel),
// painted straight into a pixel buffer of blue, green, red, alpha bytes.
// Proportional by default: each glyph advances by its measured width plus
// the spacing; with fixed pitch every glyph advances by the cell width and
// sits centred in its cell. The strip is not owned.
//
// Threads: every operation is [UI], the window thread that draws.
class BitmapFont {
public:
    static constexpr uint8_t kNotInFont = 255;

    BitmapFont(CDIB* strip, int32_t cellWidth, int32_t glyphHeight, int32_t spacing);

    // The width drawText advances over the text.
    int32_t measureText(const char* text) const;
    // Paints one character with its top-left cell corner at (x, y) in the
    // colour 0xRRGGBB and answers its advance (0 for characters outside the
    // font). No clipping: the caller keeps the cell inside the buffer.
    int32_t drawGlyph(uint8_t* pixels, int32_t rowBytes, int32_t x, int32_t y, char character,
                      uint32_t color) const;
    void drawText(uint8_t* pixels, int32_t rowBytes, int32_t x, int32_t y, const char* text,
                  uint32_t color) const;

    void setSpaceAdvance(int32_t advance) { spaceAdvance = advance; }
    int32_t getSpaceAdvance() const { return spaceAdvance; }
    void setFixedPitch(bool fixed) { fixedPitch = fixed; }
    bool isFixedPitch() const { return fixedPitch; }
    int32_t getGlyphWidth(int32_t glyph) const { return glyphWidths[glyph]; }
    int32_t getGlyphCount() const { return glyphCount; }
    int32_t getGlyphHeight() const { return glyphHeight; }

private:
    static constexpr int32_t kMaxGlyphs = 15;

    // The glyph index of a character that lies inside the font, or -1.
    int32_t glyphOf(char character) const;

    uint8_t characterMap[256];
    uint8_t glyphWidths[kMaxGlyphs] = {};
    int32_t spacing;
    int32_t spaceAdvance = 3;
    bool fixedPitch = false;
    int32_t stripRowBytes = 0;
    int32_t cellWidth;
    int32_t glyphHeight;
    int32_t glyphCount = 0;
    const uint8_t* stripPixels = nullptr;
};
