// The latching buttons: two frames side by side, off left and on right.
#pragma once

#include <memory>
#include <string>

#include "tools/artwork/FontBook.h"
#include "tools/artwork/Image.h"
#include "tools/artwork/Painting.h"

namespace artwork {

// The buttons are drawn over a copy of the panel where the editor places
// them, so that every pixel is opaque: the switches repaint themselves without
// the panel under them, and half-transparent edges would darken with each
// repaint.

// 104 x 19: each 52 x 19 frame a face with its caption in columns 0..35 and a
// lamp of colour `lamp` in columns 36..51, lit only in the on frame.
std::unique_ptr<Image> lampButtonStrip(const FontBook& fonts, const std::string& caption, Rgb lamp,
                                       Image& panel, int left, int top);
// 76 x 20: each 38 x 20 frame a round button with a green lamp and the
// caption "PRE" in columns 0..35; columns 36 and 37 show the panel only.
std::unique_ptr<Image> preButtonStrip(const FontBook& fonts, Image& panel, int left, int top);

} // namespace artwork
