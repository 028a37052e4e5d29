// What the frame's native window reports to the frame: mouse, wheel and paint
// calls in frame coordinates with the button bits of MouseEvents.h.
#pragma once

#include <cstdint>

#include "view/CPoint.h"
#include "view/CRect.h"
#include "view/MouseEvents.h"

namespace gui {

class PlatformWindowListener {
public:
    virtual ~PlatformWindowListener() = default;

    // On kMouseEventHandled the window captures the pointer until the button
    // is released.
    virtual CMouseEventResult windowMouseDown(CPoint where, CButtonState buttons) = 0;
    virtual void windowMouseUp(CPoint where, CButtonState buttons) = 0;
    virtual void windowMouseMoved(CPoint where, CButtonState buttons) = 0;
    // The pointer left the window after trackMouseLeave asked to be told.
    virtual void windowMouseExited(CPoint where, CButtonState buttons) = 0;
    virtual void windowWheel(CPoint where, CMouseWheelAxis axis, float distance,
                             CButtonState buttons) = 0;
    // A window that delivers its input from the editor's idle (Linux) has
    // delivered it and paints next: views the input made dirty join the paint.
    virtual void windowInputDelivered() = 0;
    // Paint the update rectangle onto the device (an HDC on Windows, a cairo
    // image surface of the window's size on Linux).
    virtual void windowPaint(void* device, const CRect& update) = 0;
    // The device windowPaint drew on goes away (the back buffer is resized
    // or released): nothing kept for it may be used again.
    virtual void windowDeviceReplaced() = 0;
    // The window system destroyed the window; no further calls follow.
    virtual void windowDestroyed() = 0;
};

} // namespace gui
