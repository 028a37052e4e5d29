// What the host's threads may do to an open editor.
//
// The host calls setParameter (and the state opcodes) from any thread, often
// the audio thread during automation playback, while the window thread
// builds, draws, takes input and destroys the controls. A call from such a
// thread acts here without a lock, an allocation or a system call:
// - The switches, whose whole state is one atomic value, are published in a
//   fixed table of atomic pointers once open has built them. A host thread
//   sets or reads a switch inside a short section counted by an atomic
//   in-flight counter. Before close destroys the frame the window thread
//   withdraws the table and waits until no section is open.
// - Every change from a host thread also raises the tag's pending flag. The
//   window thread takes the flags at its next idle and pushes the tag's
//   current value to all of its controls itself: the fader, the dial and
//   the value fields keep state that only the window thread may touch.
#pragma once

#include <atomic>
#include <cstdint>

#include "editor/PlugEdLayout.h"
#include "engine/ParameterTable.h"

namespace gui {
class CControl;
} // namespace gui

class HostThreadBridge {
public:
    // The tags a host thread can reach: the five parameters, Pre and Fine.
    static constexpr int32_t kBridgedTags[] = {kParamGain,
                                               kParamTrim,
                                               kParamPhase,
                                               kParamMute,
                                               kParamBypass,
                                               editorLayout::kTagPre,
                                               editorLayout::kTagFine};
    static constexpr int kNumSlots = sizeof(kBridgedTags) / sizeof(kBridgedTags[0]);

    // [UI] At the start of open: the calling thread becomes the
    // window thread and every pending flag is dropped (the controls about to
    // be built read the current values themselves).
    void attach();
    // [UI] Once open has built the control.
    void publish(int32_t tag, gui::CControl* control);
    // [UI] Before close destroys the controls: withdraws every
    // published control and waits until no host thread still holds one.
    void withdraw();
    // [UI] Whether a host thread changed the tag since the last
    // call, clearing the flag.
    bool takePending(int32_t tag);

    // [any thread] The rest.
    bool onWindowThread() const;
    // Sets the published control's value and marks it dirty; false when the
    // tag has none.
    bool setPublishedValue(int32_t tag, float value);
    // The published control's value, or kNoControl when the tag has none.
    float publishedValue(int32_t tag) const;
    void markPending(int32_t tag);

private:
    static int slotOf(int32_t tag);

    std::atomic<uintptr_t> windowThread{0};
    std::atomic<gui::CControl*> published[kNumSlots] = {};
    std::atomic<bool> pending[kNumSlots] = {};
    mutable std::atomic<int32_t> inFlight{0};
};
