// The PNG resources the switch and field tests draw with.
#pragma once

#include <cstdint>

namespace controlstest {

constexpr int32_t kFlipStrip = 111;
constexpr int32_t kMuteStrip = 113;
constexpr int32_t kBypassStrip = 116;
constexpr int32_t kPreStrip = 117;
constexpr int32_t kFineStrip = 118;
constexpr int32_t kSmallDigits = 119;
constexpr int32_t kLargeDigits = 120;
constexpr int32_t kPanelImage = 123;

} // namespace controlstest
