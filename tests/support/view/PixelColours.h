// Opaque colours as the 0xAARRGGBB words the drawing tests read back from
// offscreen images.
#pragma once

#include <cstdint>

namespace tolvo {

constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kGrey = 0xFF808080;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr uint32_t kWhite = 0xFFFFFFFF;

} // namespace tolvo
