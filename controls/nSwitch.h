#pragma once

#include <atomic>

#include "view/CControl.h"

namespace gui {
class CBitmap;
}

// A latching push button with a lamp. Its image is a strip of two frames side
// by side, off on the left and on on the right; each frame is a 36-pixel
// button face followed by the lamp. Face and lamp are drawn as two pieces so
// that the lamp can be forced dark while the switch is on (flashing lamps).
// Any value other than 0 shows on; every press, with any button or modifier,
// flips the value between 0 and 1.
//
// Threads: setValue, getValue, setLampDark, isLampDark and setDirty are
// [any thread]: the editor hands host changes of the switches to them from the
// host's parameter thread, and they only store or read atomics and mark the
// switch dirty. Everything else is [UI], the window thread.
class nSwitch : public gui::CControl {
public:
    // Width of the face piece of each frame; the lamp piece is the rest.
    static constexpr int32_t kFaceWidth = 36;

    // The strip is loaded from the PNG resource imageId.
    nSwitch(const gui::CRect& size, gui::CControlListener* listener, int32_t tag, int32_t imageId,
            float initialValue);
    ~nSwitch() override;

    void draw(gui::CDrawContext* context) override;
    // Flips the value inside one edit of the frame, reporting valueChanged.
    gui::CMouseEventResult onMouseDown(const gui::CPoint& where,
                                       gui::CButtonState buttons) override;
    // Switches are not copied: answers none.
    gui::CView* newCopy() const override;

    // Forces the lamp piece to its off picture; marks the switch dirty when
    // that changes what it shows.
    virtual void setLampDark(bool dark);

    bool isLampDark() const { return lampDark.load(std::memory_order_relaxed); }

private:
    gui::CBitmap* image;
    std::atomic<bool> lampDark{false};
};
