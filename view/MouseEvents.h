#pragma once

#include <cstdint>

namespace gui {

// Mouse buttons and modifier keys of one event, as one set of bits.
using CButtonState = int32_t;
enum : CButtonState {
    kLButton = 0x02,
    kMButton = 0x04,
    kRButton = 0x08,
    kShift = 0x10,
    kControl = 0x20,
    kAlt = 0x40,
    kApple = 0x80,
    kButton4 = 0x100,
    kButton5 = 0x200,
    kDoubleClick = 0x400,
};

enum CMouseEventResult : int32_t {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled = 1,
    kMouseEventNotHandled = 2,
    // The view took the press but wants neither the moves nor the release.
    kMouseDownEventHandledButDontNeedMovedOrUpEvents = 3,
};

enum CMouseWheelAxis : int32_t { kMouseWheelAxisX = 0, kMouseWheelAxisY = 1 };

} // namespace gui
