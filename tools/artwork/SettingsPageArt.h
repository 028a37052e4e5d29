// The settings page (265 x 534), its option mark and its highlighted buttons.
#pragma once

#include <memory>

#include "tools/artwork/FontBook.h"
#include "tools/artwork/Image.h"

namespace artwork {

// The single-channel page, or the two-channel one (pan law selectable).
std::unique_ptr<Image> settingsPage(const FontBook& fonts, bool twoChannel);
// 13 x 30: the lit slot cell, over a separator (upper frame) and over the
// slot's bottom edge (lower frame).
std::unique_ptr<Image> optionMark();
// 210 x 37: the page from (26, 319) with the four buttons highlighted.
std::unique_ptr<Image> settingsButtonsLit(const FontBook& fonts);

} // namespace artwork
