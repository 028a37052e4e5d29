#pragma once

#include <cstdint>

namespace gui {

// Mouse buttons and modifier keys of one event, as one set of bits.
using CButtonState = int32_t;
constexpr CButtonState kLButton = 0x02;
constexpr CButtonState kMButton = 0x04;
constexpr CButtonState kRButton = 0x08;
constexpr CButtonState kShift = 0x10;
constexpr CButtonState kControl = 0x20;
constexpr CButtonState kAlt = 0x40;
constexpr CButtonState kApple = 0x80;
constexpr CButtonState kButton4 = 0x100;
constexpr CButtonState kButton5 = 0x200;
constexpr CButtonState kDoubleClick = 0x400;

enum CMouseEventResult : int32_t {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled = 1,
    kMouseEventNotHandled = 2,
    // The view took the press but wants neither the moves nor the release.
    kMouseDownEventHandledButDontNeedMovedOrUpEvents = 3,
};

enum CMouseWheelAxis : int32_t { kMouseWheelAxisX = 0, kMouseWheelAxisY = 1 };

} // namespace gui
