// The plug-in's editor: the object behind the host's editor opcodes. It lives
// as long as the instance; its window (a CTBKFrame with twelve controls over
// the panel) exists only between open and close. One object is the editor
// base, the frame's editor interface, the listener of every control and the
// value fields' text interface.
//
// Threads: [UI] is the window thread (the thread the host sends the editor
// opcodes from): open, close, idle, buildWindow, the key and knob-mode
// operations, the listener and text operations and findControl. [any thread]:
// setParameter (parameterChanged), getControlValue, writeChunkState and
// readChunkState; off the window thread they reach only the switches, through
// HostThreadBridge, and leave the rest to the next idle. They never block,
// allocate or make a system call.
#pragma once

#include <atomic>
#include <cstdint>
#include <limits>
#include <vector>

#include "controls/StringValParameter.h"
#include "editor/HostThreadBridge.h"
#include "editor/PlugSettingsStore.h"
#include "engine/EditorLink.h"
#include "rules/MeterReadout.h"
#include "view/AEffGUIEditor.h"
#include "view/CControlListener.h"

class CDIB;
class Plug;
class PlugSettings;
class nFader;
class nSplash;
class nSwitch;
struct PlugChunk;

namespace gui {
class CView;
}

class PlugEd : public gui::AEffGUIEditor,
               public gui::CControlListener,
               public StringValParameter,
               public EditorLink {
public:
    explicit PlugEd(Plug* plug);
    // The instance's editor factory: a new editor, attached to the instance.
    static EditorLink* create(Plug* plug);
    // Closes a window still open, then releases the images.
    ~PlugEd() override;

    // [UI]
    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;
    // [any thread] Pushes the value to every control with the tag.
    void setParameter(VstInt32 index, float value) override;

    // [UI] Operations of this editor.
    virtual bool buildWindow();

    // EditorLink, [any thread]. parameterChanged is setParameter.
    void parameterChanged(int32_t index, float value) override;
    // The Pre and Fine switch values into the block (offsets 20 and 24);
    // without a window the values kept from the last one. Returns 0.
    int32_t writeChunkState(PlugChunk* chunk) override;
    // Takes Pre and Fine from the block and gives them to the switches.
    // Returns 0.
    int32_t readChunkState(const PlugChunk* chunk) override;

    // [UI] The next control with the tag after the given one (from the first when
    // none is given), in the order the controls were added; null without a
    // window, at the end, or when after is not in the frame.
    gui::CControl* findControl(int32_t tag, const gui::CControl* after = nullptr) const;
    // [any thread] The value of the first control with the tag, or kNoControl when there is none
    // or no window.
    float getControlValue(int32_t tag) const;

    // CControlListener, [UI].
    void valueChanged(gui::CControl* control) override;
    int32_t controlModifierClicked(gui::CControl* control, gui::CButtonState buttons) override;

    // StringValParameter, [UI].
    void getStringValue(int32_t tag, char* text) override;
    void setStringValue(int32_t tag, const char* text) override;

private:
    void loadImages();
    void buildControls();
    // Gives a new control to the frame and to the list of controls; one the
    // frame could not take is released.
    void addToFrame(gui::CControl* control);
    void pushToControls(int32_t tag, float value);
    void showLevel(int readout, int32_t tag, float level);
    void applyHostChanges();
    void refreshMetersAndLamps();
    void flashLamps();

    Plug* plug;
    nSplash* splash = nullptr;
    nSwitch* muteSwitch = nullptr;
    nSwitch* bypassSwitch = nullptr;
    nFader* fader = nullptr;
    // Every control of the open window, in the frame's order: what findControl
    // searches, without asking each view of the frame what it is.
    std::vector<gui::CControl*> controls;
    PlugSettings* settings = nullptr;
    CDIB* background = nullptr;
    CDIB* smallDigits = nullptr;
    CDIB* largeDigits = nullptr;
    bool flashPhase = false;
    uint32_t lastFlashTicks = 0;
    double meterHold[kNumHeldValues] = {};
    // What the last refresh of this window gave the four readouts (peak,
    // peak 2, RMS, RMS 2); none yet in a new window.
    static constexpr float kNoLevel = std::numeric_limits<float>::quiet_NaN();
    float readoutLevels[kNumShownHolds] = {kNoLevel, kNoLevel, kNoLevel, kNoLevel};
    // The Pre and Fine switch values: given to the switches when a window is
    // built, kept in step with them while it is open, so they survive its
    // closing.
    std::atomic<float> preValue{0.0f};
    std::atomic<float> fineValue{0.0f};
    PlugSettingsStore settingsStore;
    HostThreadBridge bridge;
};
