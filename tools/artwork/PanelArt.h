// The 265 x 534 main panel behind the editor's controls.
#pragma once

#include <memory>

#include "tools/artwork/FontBook.h"
#include "tools/artwork/Image.h"

namespace artwork {

// The single-channel panel, or the two-channel one (split meter slot).
std::unique_ptr<Image> mainPanel(const FontBook& fonts, bool twoChannel);

// Background shared with the settings page: brushed metal, frame and screws.
void paintPanelBase(Image& image, uint32_t seed);

} // namespace artwork
