// The settings page over a real instance's live words and a defaults file of
// the test's own, in a frame without a window whose pointer and clock the
// test sets. A recording view under the page shows which clicks get through.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "controls/CDIB.h"
#include "controls/nSplash.h"
#include "tests/controls/support/EngineSettingsStore.h"
#include "tests/engine/support/FileBytes.h"
#include "tests/engine/support/PlugDriver.h"
#include "tests/engine/support/TempFolder.h"
#include "tests/engine/support/TestPreferencesPath.h"
#include "tests/frame/support/RecordingView.h"
#include "view/CControlListener.h"
#include "view/CFrame.h"

namespace tolvo {

// Editor layout: the page covers the editor, the logo sits at its upper left.
constexpr gui::CRect kEditorRect{0, 0, 265, 534};
constexpr gui::CRect kLogoRect{7, 71, 46, 123};
constexpr int32_t kTagSettings = 502;
constexpr int32_t kLogoId = 121;
constexpr int32_t kPageId = 127;
constexpr int32_t kSelectorId = 125;
constexpr int32_t kButtonImageId = 126;
constexpr int32_t kLargeDigitsId = 120;

// Inclusive hit rectangles of the groups and buttons as the page image shows
// them.
constexpr gui::CRect kGroupRects[7] = {
    {34, 58, 117, 86},   {159, 58, 242, 100}, {159, 130, 242, 172}, {34, 130, 117, 186},
    {34, 218, 117, 260}, {160, 218, 243, 246}, {159, 277, 242, 305},
};
constexpr int32_t kOptionCounts[7] = {2, 3, 3, 4, 3, 2, 2};
constexpr gui::CPoint kRevert{70, 328};
constexpr gui::CPoint kSave{180, 328};
constexpr gui::CPoint kClose{70, 349};
constexpr gui::CPoint kApply{180, 348};

class TestFrame : public gui::CFrame {
public:
    TestFrame() : gui::CFrame(kEditorRect, nullptr, nullptr) {}

    bool getCurrentMouseLocation(gui::CPoint& where) const override
    {
        if (pointerKnown)
            where = pointer;
        return pointerKnown;
    }
    uint32_t getTicks() const override { return ticks; }

    bool pointerKnown = false;
    gui::CPoint pointer;
    uint32_t ticks = 5000;
};

// Answers 0 to modifier clicks, as the editor does, so they reach the page.
class SilentListener : public gui::CControlListener {
public:
    void valueChanged(gui::CControl*) override { ++changes; }
    int changes = 0;
};

class SplashFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (frame)
            frame->forget();
        if (largeDigits)
            largeDigits->forget();
        usePreferencesFile("");
    }

    std::filesystem::path preferences() const { return folder.path() / "Tolvo.veskpref"; }

    // Makes the instance (which reads the file) and the page over it.
    void build(const std::filesystem::path& file)
    {
        usePreferencesFile(file.string());
        plug = std::make_unique<PlugDriver>();
        store = std::make_unique<EngineSettingsStore>(*(*plug)->getSettings());
        largeDigits = new CDIB(kLargeDigitsId);
        frame = new TestFrame();
        underneath = new RecordingView(kEditorRect, "panel", log);
        frame->addView(underneath);
        splash = new nSplash(kLogoRect, kTagSettings, &listener, kLogoId, kPageId, kSelectorId, kButtonImageId,
                             store.get(), largeDigits);
        frame->addView(splash);
        frame->setDirty(false);
    }
    void build() { build(preferences()); }

    void press(gui::CPoint where, gui::CButtonState buttons = gui::kLButton) { frame->onMouseDown(where, buttons); }
    void release(gui::CPoint where) { frame->onMouseUp(where, 0); }
    void click(gui::CPoint where, gui::CButtonState buttons = gui::kLButton)
    {
        press(where, buttons);
        release(where);
    }
    void openPage() { click(gui::CPoint(kLogoRect.left + 10, kLogoRect.top + 10)); }

    PlugSettings& live() { return *(*plug)->getSettings(); }
    SettingsWords liveWords() { return live().snapshot(); }
    void setLive(const SettingsWords& words) { live().assign(words); }

    int downsUnderneath() const
    {
        int downs = 0;
        for (const ViewEvent& event : log)
            downs += event.kind == "down" ? 1 : 0;
        return downs;
    }

    TempFolder folder;
    std::unique_ptr<PlugDriver> plug;
    std::unique_ptr<EngineSettingsStore> store;
    SilentListener listener;
    CDIB* largeDigits = nullptr;
    TestFrame* frame = nullptr;
    RecordingView* underneath = nullptr;
    nSplash* splash = nullptr;
    std::vector<ViewEvent> log;
};

} // namespace tolvo
