// How PlugEd keeps controls, parameters, meters, lamps and the saved state in
// step: value changes from the controls, parameter changes from the engine,
// the idle refresh and the Pre and Fine words of the state block.
#include <cmath>

#include "controls/nFader.h"
#include "controls/nSplash.h"
#include "controls/nSwitch.h"
#include "editor/LampFlash.h"
#include "editor/PlugEd.h"
#include "editor/PlugEdLayout.h"
#include "engine/Plug.h"
#include "view/TickCount.h"

using namespace editorLayout;

namespace {

// A switch value from a state block: anything not a number counts as off and
// the rest is kept within 0..1, so a damaged block cannot leave a switch
// that the next save would write back damaged.
float switchValueFromBlock(float value)
{
    if (!std::isfinite(value) || value < 0.0f)
        return 0.0f;
    return value > 1.0f ? 1.0f : value;
}

} // namespace

void PlugEd::setParameter(VstInt32 index, float value)
{
    if (bridge.onWindowThread()) {
        pushToControls(index, value);
        return;
    }
    // Another thread: a switch shows the value at once, everything with the
    // tag follows at the next idle.
    bridge.setPublishedValue(index, value);
    bridge.markPending(index);
}

void PlugEd::pushToControls(int32_t tag, float value)
{
    for (gui::CControl* control = findControl(tag); control; control = findControl(tag, control)) {
        control->setValue(value);
        control->setDirty(true);
    }
}

// A readout's text follows its level alone: a readout already given the
// level is not drawn again. The levels are the ones this refresh gave (a
// click on a readout sets its value behind the editor's back), NaN until
// the first refresh of a window.
void PlugEd::showLevel(int readout, int32_t tag, float level)
{
    if (readoutLevels[readout] == level)
        return;
    readoutLevels[readout] = level;
    pushToControls(tag, level);
}

// What host threads changed since the last idle, pushed to every control
// with the tag from the window thread.
void PlugEd::applyHostChanges()
{
    for (int32_t tag : HostThreadBridge::kBridgedTags) {
        if (!bridge.takePending(tag))
            continue;
        float value = 0.0f;
        if (tag == kTagPre)
            value = preValue.load(std::memory_order_relaxed);
        else if (tag == kTagFine)
            value = fineValue.load(std::memory_order_relaxed);
        else
            value = plug->getParameter(tag);
        pushToControls(tag, value);
    }
}

void PlugEd::valueChanged(gui::CControl* control)
{
    const int32_t tag = control->getTag();
    if (tag < kFirstEditorTag) {
        plug->setParameterAutomated(tag, control->getValue());
    } else if (tag >= kTagPeak && tag <= kTagRms2) {
        for (double& hold : meterHold)
            hold = 0.0;
    } else if (tag == kTagPre) {
        preValue.store(control->getValue(), std::memory_order_relaxed);
    } else if (tag == kTagFine) {
        fineValue.store(control->getValue(), std::memory_order_relaxed);
    }
}

int32_t PlugEd::controlModifierClicked(gui::CControl*, gui::CButtonState)
{
    return 0;
}

void PlugEd::idle()
{
    if (frame) {
        applyHostChanges();
        if (splash && splash->getValue() == 0.0f)
            refreshMetersAndLamps();
        if (splash)
            splash->refresh();
    }
    AEffGUIEditor::idle();
}

void PlugEd::refreshMetersAndLamps()
{
    MeterReadout readout{};
    const bool rmsValid = plug->getMeters(&readout);
    for (int point = 0; point < kNumMeterPoints; ++point) {
        for (int slot = 0; slot < kReadoutSlots; ++slot) {
            double& peak = meterHold[heldIndex(kHeldPeak, point, slot)];
            peak = std::max(peak, readout.values[peakIndex(point, slot)]);
            double& rms = meterHold[heldIndex(kHeldRms, point, slot)];
            if (rmsValid)
                rms = std::max(rms, readout.values[rmsIndex(point, slot)]);
        }
    }

    const float pre = getControlValue(kTagPre);
    const float fine = getControlValue(kTagFine);
    const float gain = plug->getParameter(kParamGain);
    if (pre != kNoControl && fader)
        fader->setPostFader(pre == 0.0f);
    if (fine != kNoControl && fader)
        fader->setFineMode(fine != 0.0f && gain > 0.0f, settings->fineRange());
    if (pre != kNoControl) {
        const int point = pre == 0.0f ? kOutputPoint : kInputPoint;
        double shown[kNumShownHolds];
        for (int quantity = 0; quantity < kNumHeldQuantities; ++quantity)
            for (int slot = 0; slot < kReadoutSlots; ++slot)
                shown[shownHoldIndex(quantity, slot)] = meterHold[heldIndex(quantity, point, slot)];
        const int32_t tags[kNumShownHolds] = {kTagPeak, kTagPeak2, kTagRms, kTagRms2};
        for (int i = 0; i < kNumShownHolds; ++i)
            showLevel(i, tags[i], static_cast<float>(shown[i]));
        if (fader)
            fader->setHoldLevels(shown);
    }
    if (fader && splash->getValue() == 0.0f)
        fader->setMeterLevels(readout.values, rmsValid);
    flashLamps();
}

void PlugEd::flashLamps()
{
    if (!lampFlash::phaseIsDue(gui::systemTickCount(), lastFlashTicks))
        return;
    flashPhase = !flashPhase;
    if (bypassSwitch)
        bypassSwitch->setLampDark(flashPhase && settings->get(kSettingBypassLamp) == 0);
    if (muteSwitch)
        muteSwitch->setLampDark(flashPhase && settings->get(kSettingMuteLamp) == 0);
    lastFlashTicks = gui::systemTickCount();
}

void PlugEd::parameterChanged(int32_t index, float value)
{
    setParameter(index, value);
}

int32_t PlugEd::writeChunkState(PlugChunk* chunk)
{
    float pre = getControlValue(kTagPre);
    float fine = getControlValue(kTagFine);
    if (pre == kNoControl)
        pre = preValue.load(std::memory_order_relaxed);
    if (fine == kNoControl)
        fine = fineValue.load(std::memory_order_relaxed);
    chunk->pre = pre;
    chunk->fine = fine;
    return 0;
}

int32_t PlugEd::readChunkState(const PlugChunk* chunk)
{
    const float pre = switchValueFromBlock(chunk->pre);
    const float fine = switchValueFromBlock(chunk->fine);
    preValue.store(pre, std::memory_order_relaxed);
    fineValue.store(fine, std::memory_order_relaxed);
    setParameter(kTagPre, pre);
    setParameter(kTagFine, fine);
    return 0;
}
