#pragma once

#include <cstdint>

#include "host/AEffEditor.h"
#include "host/AudioEffectX.h"
#include "view/GUIEditorInterface.h"

namespace gui {

// The editor base between the plug-in interface and the frame: it answers
// the editor rectangle, forwards idle, key and draw requests to the frame and
// reaches the host's begin and end of a parameter gesture through the
// instance. A subclass fills the rectangle and creates the frame in open.
class AEffGUIEditor : public AEffEditor, public GUIEditorInterface {
public:
    explicit AEffGUIEditor(AudioEffectX* effect);
    // Deletes a frame the subclass left open.
    ~AEffGUIEditor() override;

    // AEffEditor operations.
    bool getRect(ERect** rect) override;
    bool open(void* window) override;
    void close() override;
    void idle() override;
    bool onKeyDown(VstKeyCode& key) override;
    bool onKeyUp(VstKeyCode& key) override;
    bool onWheel(float distance) override;
    bool setKnobMode(VstInt32 mode) override;

    // Operations of the editor base, in slot order.
    virtual void setParameter(VstInt32 index, float value);
    // Draws the rectangle (the frame's size when none is given) on the
    // frame's window.
    virtual void draw(ERect* rect);

    // GUIEditorInterface operations.
    void doIdleStuff() override;
    int32_t getKnobMode() const override;
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    double getHostScale() const override { return hostScale; }

    // The scale a host gives for the editor (0 for none), used at the next open.
    void setHostScale(double scale) { hostScale = scale; }

protected:
    // Lets the frame go: at once, or, when a host closes the editor from
    // inside the frame's own dispatch (in its answer to an edit's end), once
    // that dispatch has returned.
    void releaseFrame();

    ERect rect{};
    uint32_t lastTicks;
    bool inIdle = false;

private:
    // Deletes a frame released in its own dispatch, when that has returned.
    void releaseRetiredFrame();

    AudioEffectX* instance;
    CFrame* retiredFrame = nullptr;
    // The rectangle as the host sees it: `rect` at the window's scale.
    ERect shownRect{};
    double hostScale = 0.0;
};

} // namespace gui
