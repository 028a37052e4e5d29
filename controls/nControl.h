#pragma once

#include <atomic>
#include <cstdint>

#include "controls/PanelPicture.h"
#include "view/CControl.h"

class CDIB;

// Base of the continuous controls (the gain fader and the trim dial). It keeps
// a copy of the panel under itself, taken once, and a work image that every
// draw composes into (PanelPicture); its own value, the position, replaces
// the framework's value; its edits reach the frame (and so the host) only.
// It also holds what the dragging controls share: the inclusive hit test,
// the reset gesture and the hidden pointer during a drag. A drag still in
// progress when the control leaves its frame ends there as a release would.
//
// Threads: [UI] is the window thread (the one the host sends the editor
// opcodes from); the editor applies host changes to these controls at idle,
// so every operation here is [UI]. getValue and setValue store and read one
// atomic scalar, which is what lets the draw read the position safely.
class nControl : public gui::CControl {
public:
    // [UI] The rectangle must be in frame coordinates; the part of it outside
    // the panel image gets a zero (transparent) background.
    nControl(const gui::CRect& size, gui::CControlListener* listener, int32_t tag, CDIB* background,
             float initialValue);
    ~nControl() override;

    // [UI] Controls of this family are not copied: answers none.
    gui::CView* newCopy() const override;
    // [UI] Stores any float as it is (no clamping, no redraw).
    void setValue(float newValue) override;
    // [UI]
    float getValue() const override;
    // [UI] The frame's begin and end of an edit for the tag; nothing else.
    void beginEdit() override;
    void endEdit() override;
    // [UI] Leaving the frame ends a drag in progress: the edit ends with the
    // host and the pointer shows again where it is, without being moved.
    bool removed(gui::CView* parent) override;

    // [UI] The last composed picture and the panel copy, control-sized.
    const CDIB* getWorkImage() const { return picture.getWork(); }
    const CDIB* getBackgroundImage() const { return picture.getBackground(); }
    float getResetValue() const { return resetValue; }
    bool isDragging() const { return dragging; }

protected:
    // Ctrl, Alt or a double click with the press: the control goes back to
    // its reset value instead of starting a drag.
    static constexpr gui::CButtonState kResetButtons =
        gui::kControl | gui::kAlt | gui::kDoubleClick;

    // Inclusive hit test against the rectangle, its left edge moved right by
    // leftInset pixels.
    bool hits(const gui::CPoint& where, int32_t leftInset = 0) const;
    // A drag's start: the frame's begin of the edit, the pointer's screen
    // position kept and the pointer hidden.
    void beginDrag();
    // A drag's end: the frame's end of the edit, the pointer put back where
    // the drag began moved down by cursorShiftY pixels, and shown again.
    void endDrag(int32_t cursorShiftY);
    // The pointer shown over the frame's window again and the frame's end of
    // the edit; the part of a drag's end that never moves the pointer.
    void endGesture();
    // Hides or shows the pointer over the frame's window.
    void hidePointer(bool hide);

    PanelPicture picture;
    const int32_t left;
    const int32_t top;
    const int32_t right;
    const int32_t bottom;
    const int32_t width;
    const int32_t height;
    const int32_t rowBytes;
    std::atomic<float> position;
    float resetValue;

private:
    bool dragging = false;
    // False when the pointer's position could not be read at the drag's
    // start; it is then left where the user released it.
    bool cursorSaved = false;
    int32_t savedCursorX = 0;
    int32_t savedCursorY = 0;
};
