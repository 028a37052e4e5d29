// The fader's pictures: the cap, its opacity mask and the meter colours.
#pragma once

#include <memory>

#include "tools/artwork/Image.h"
#include "tools/artwork/Painting.h"

namespace artwork {

// 36 x 58: colours already multiplied by the opacity, opaque PNG.
std::unique_ptr<Image> faderCap();
// 36 x 58: the cap's opacity (body and soft shadow) as grey levels.
std::unique_ptr<Image> faderCapMask();
// 32 x 361: green, yellow, orange and red columns of 8 pixels, lit LED rows.
std::unique_ptr<Image> meterColourStrip();

// The colour of meter zone column `zone` (0 green .. 3 red) at `row`, scaled
// by `level` (1 lit, small values for the unlit LEDs printed on the panel).
Rgb meterColour(int zone, int row, int column, double level);

} // namespace artwork
