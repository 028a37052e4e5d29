// PlugEd's life: construction, opening the window with its twelve controls,
// closing it, destruction, and finding controls by tag.
#include "editor/PlugEd.h"

#include <algorithm>
#include <iterator>

#include "controls/CDIB.h"
#include "controls/CTBKFrame.h"
#include "controls/nDial.h"
#include "controls/nFader.h"
#include "controls/nSplash.h"
#include "controls/nSwitch.h"
#include "controls/nText.h"
#include "editor/PlugEdLayout.h"
#include "engine/Plug.h"
#include "view/TickCount.h"

using namespace editorLayout;

PlugEd::PlugEd(Plug* plug)
    : AEffGUIEditor(plug), plug(plug), settings(plug->getSettings()), settingsStore(*settings)
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = kHeight;
    rect.right = kWidth;
    preValue.store(0.0f, std::memory_order_relaxed);
    // The default-mode word is read as off / on: a stray word from a damaged
    // preferences file must not put a switch value above 1 into saved states.
    const bool fineByDefault = settings->get(kSettingDefaultMode) != 0;
    fineValue.store(fineByDefault ? 1.0f : 0.0f, std::memory_order_relaxed);
    lastFlashTicks = gui::systemTickCount();
}

EditorLink* PlugEd::create(Plug* plug)
{
    return new PlugEd(plug);
}

PlugEd::~PlugEd()
{
    close();
    if (background) {
        // The reference open took on top of the one loading gave.
        background->forget();
        background->forget();
    }
    if (smallDigits)
        smallDigits->forget();
    if (largeDigits)
        largeDigits->forget();
}

bool PlugEd::open(void* parentWindow)
{
    // A second open without a close replaces the window rather than leaking it.
    if (frame)
        close();
    AEffGUIEditor::open(parentWindow);
    // Memory running out while the window is built: whatever was built goes
    // again and the host hears of a failed open.
    try {
        return buildWindow();
    } catch (...) {
        close();
        return false;
    }
}

bool PlugEd::buildWindow()
{
    bridge.attach();
    loadImages();
    auto* editorFrame = new CTBKFrame(gui::CRect(0, 0, kWidth, kHeight), systemWindow, this);
    frame = editorFrame;
    editorFrame->setBackground(background);
    splash = nullptr;
    buildControls();
    for (int32_t tag : HostThreadBridge::kBridgedTags) {
        gui::CControl* control = findControl(tag);
        // Only the switches: their whole state is one atomic value.
        if (dynamic_cast<nSwitch*>(control))
            bridge.publish(tag, control);
    }
    return true;
}

// The three images are loaded on the first open and kept until the editor ends.
void PlugEd::loadImages()
{
    if (!background) {
        background = new CDIB(kPanel);
        background->remember();
    }
    if (!smallDigits)
        smallDigits = new CDIB(kSmallDigits);
    if (!largeDigits)
        largeDigits = new CDIB(kLargeDigits);
}

void PlugEd::addToFrame(gui::CControl* control)
{
    try {
        frame->addView(control);
        controls.push_back(control);
    } catch (...) {
        // Once among the frame's views, the frame releases it with the rest.
        if (!frame->isChild(control))
            control->forget();
        throw;
    }
}

void PlugEd::buildControls()
{
    fader = new nFader(kFaderRect, kParamGain, this, kFaderCap, kCapMask, kMeterStrip, smallDigits,
                       background, plug->getParameter(kParamGain));
    addToFrame(fader);
    fader->setFineMode(settings->get(kSettingDefaultMode) != 0, settings->fineRange());

    auto* dial = new nDial(kTrimDialRect, this, kParamTrim, background, kDialResetValue);
    dial->setValue(plug->getParameter(kParamTrim));
    addToFrame(dial);

    auto* flip =
        new nSwitch(kFlipRect, this, kParamPhase, kFlipStrip, plug->getParameter(kParamPhase));
    addToFrame(flip);

    muteSwitch =
        new nSwitch(kMuteRect, this, kParamMute, kMuteStrip, plug->getParameter(kParamMute));
    addToFrame(muteSwitch);

    bypassSwitch = new nSwitch(kBypassRect, this, kParamBypass, kBypassStrip,
                               plug->getParameter(kParamBypass));
    addToFrame(bypassSwitch);

    auto* pre =
        new nSwitch(kPreRect, this, kTagPre, kPreStrip, preValue.load(std::memory_order_relaxed));
    addToFrame(pre);

    auto* fine = new nSwitch(kFineRect, this, kTagFine, kFineStrip,
                             fineValue.load(std::memory_order_relaxed));
    addToFrame(fine);

    for (auto [tag, place] :
         {std::pair{kParamGain, kGainFieldRect}, std::pair{kParamTrim, kTrimFieldRect}}) {
        auto* field = new nText(place, tag, this, largeDigits, background, this, true);
        addToFrame(field);
        field->setViewSize(grownField(place), true);
    }
    for (auto [tag, place] : {std::pair{kTagPeak, kPeakRect}, std::pair{kTagRms, kRmsRect}})
        addToFrame(new nText(place, tag, this, smallDigits, background, this, false));

    splash = new nSplash(kLogoRect, kTagSettings, this, kLogo, kSettingsPage, kOptionMarker,
                         kSettingsButtons, &settingsStore, largeDigits);
    addToFrame(splash);
}

void PlugEd::close()
{
    // No host thread may still reach a control when the frame goes.
    bridge.withdraw();
    if (frame) {
        splash = nullptr;
        fader = nullptr;
        muteSwitch = nullptr;
        bypassSwitch = nullptr;
        controls.clear();
        std::fill(std::begin(readoutLevels), std::end(readoutLevels), kNoLevel);
        releaseFrame();
    }
    AEffGUIEditor::close();
}

gui::CControl* PlugEd::findControl(int32_t tag, const gui::CControl* after) const
{
    auto entry = controls.begin();
    if (after) {
        entry = std::find(controls.begin(), controls.end(), after);
        if (entry == controls.end())
            return nullptr;
        ++entry;
    }
    entry = std::find_if(entry, controls.end(),
                         [tag](const gui::CControl* control) { return control->getTag() == tag; });
    return entry == controls.end() ? nullptr : *entry;
}

float PlugEd::getControlValue(int32_t tag) const
{
    if (!bridge.onWindowThread())
        return bridge.publishedValue(tag);
    const gui::CControl* control = findControl(tag);
    return control ? control->getValue() : kNoControl;
}

void PlugEd::getStringValue(int32_t tag, char* text)
{
    plug->getParameterDisplay(tag, text);
}

void PlugEd::setStringValue(int32_t tag, const char* text)
{
    plug->setParameterText(tag, text);
}
