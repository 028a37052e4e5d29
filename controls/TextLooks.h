// How the controls write text, written once: the metrics of the two digit
// strips and the caption colour of the panel's light-grey texts.
#pragma once

#include <cstdint>

// A digit strip's cell: width and height in pixels, and the spacing added to
// each glyph's advance.
struct DigitFontMetrics {
    int32_t cellWidth;
    int32_t glyphHeight;
    int32_t spacing;
};

// The readouts and the fader's scale.
inline constexpr DigitFontMetrics kSmallDigitFont = {6, 9, -1};
// The entry fields.
inline constexpr DigitFontMetrics kLargeDigitFont = {7, 11, 0};

// The fader's scale and the settings page's pan-law text (0xRRGGBB).
inline constexpr uint32_t kCaptionColor = 0xC5C5C5;
