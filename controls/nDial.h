#pragma once

#include <cstdint>

#include "controls/nControl.h"

// The trim knob (31 x 31). The knob is part of the panel; the dial paints only
// its pointer, a small dark dot anti-aliased at sub-pixel places, on a 270
// degree arc running clockwise from low left (value 0) through the top (0.5)
// to low right (1). The position is the knob's angle in degrees, 0..360;
// the value is angle / 360. Dragged one degree per pixel in the direction
// of the larger movement (right and up turn it clockwise), a tenth of that
// with Shift.
//
// Threads: every operation is [UI], the window thread. Host changes reach the
// dial at the editor's idle, never from a host thread.
class nDial : public nControl {
public:
    // resetValue is both the first value and the one the reset gesture
    // (Ctrl, Alt or a double click) goes back to.
    nDial(const gui::CRect& size, gui::CControlListener* listener, int32_t tag, CDIB* background,
          float resetValue);

    void draw(gui::CDrawContext* context) override;
    // The dial's picture covers its rectangle when the panel under it is opaque.
    bool isOpaque() const override;
    gui::CMouseEventResult onMouseDown(const gui::CPoint& where,
                                       gui::CButtonState buttons) override;
    gui::CMouseEventResult onMouseUp(const gui::CPoint& where, gui::CButtonState buttons) override;
    gui::CMouseEventResult onMouseMoved(const gui::CPoint& where,
                                        gui::CButtonState buttons) override;
    // Angle = v * 360; no clamping, no redraw.
    void setValue(float newValue) override;
    float getValue() const override;

    // Paints the pointer dot with its top-left kernel cell at (x, y).
    virtual void drawPointer(CDIB* image, float x, float y);

    float getAngle() const { return position.load(std::memory_order_relaxed); }
    // The middle of the rectangle, in frame coordinates.
    const gui::CPoint& getCentre() const { return centre; }

private:
    gui::CPoint centre;
    gui::CPoint last;
};

// Darkens (or lightens) the four pixels around the sub-pixel point (x, y)
// toward the colour, each by its bilinear weight times the opacity of the
// channel (red, green, blue order, 0..1). Points whose 2 x 2 block would
// leave the image paint nothing.
void blendPoint(CDIB* image, float x, float y, const uint8_t color[3], const float opacity[3]);
