#pragma once

#include <cstdint>

namespace gui {

class CFrame;

// What the frame needs from the editor that created it: the host's begin and
// end of a parameter gesture, the idle pump and the knob mode.
class GUIEditorInterface {
public:
    virtual void doIdleStuff() = 0;
    virtual int32_t getKnobMode() const = 0;
    virtual void beginEdit(int32_t index) = 0;
    virtual void endEdit(int32_t index) = 0;
    // The editor scale the host asks for, 0 when it says nothing.
    virtual double getHostScale() const { return 0.0; }
    virtual ~GUIEditorInterface() = default;

    CFrame* getFrame() const { return frame; }

protected:
    CFrame* frame = nullptr;
};

} // namespace gui
