#pragma once

#include <cstdint>

#include "view/MouseEvents.h"

namespace gui {

class CControl;

// Receives what the user does with a control: value changes, clicks with the
// right button or a modifier (offered before the control sees them) and the
// begin and end of a gesture.
class CControlListener {
public:
    virtual ~CControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
    // A non-zero answer keeps the control from seeing the click.
    virtual int32_t controlModifierClicked(CControl*, CButtonState) { return 0; }
    virtual void controlBeginEdit(CControl*) {}
    virtual void controlEndEdit(CControl*) {}
};

} // namespace gui
