// The logo button that opens the settings page: two 39 x 52 frames side by
// side, normal and lit.
#pragma once

#include <memory>

#include "tools/artwork/FontBook.h"
#include "tools/artwork/Image.h"

namespace artwork {

// Drawn over a copy of the panel at (left, top), so that it is opaque.
std::unique_ptr<Image> logoStrip(const FontBook& fonts, Image& panel, int left, int top);

// The emblem alone, also printed in the maker's block of the settings page.
void paintEmblem(cairo_t* cr, double cx, double cy, double radius, bool lit);

} // namespace artwork
