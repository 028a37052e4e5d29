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
#include "editor/PlugEdLayout.h"
#include "tests/support/controls/EngineSettingsStore.h"
#include "tests/support/engine/FileBytes.h"
#include "tests/support/engine/PlugDriver.h"
#include "tests/support/engine/TempFolder.h"
#include "tests/support/engine/TestPreferencesPath.h"
#include "tests/support/view/RecordingView.h"
#include "tests/support/view/ViewTestDoubles.h"
#include "view/CControlListener.h"
#include "view/CFrame.h"

namespace tolvo {

// Editor layout: the page covers the editor, the logo sits at its upper left.
constexpr gui::CRect kEditorRect{0, 0, editorLayout::kWidth, editorLayout::kHeight};
using editorLayout::kLogoRect;
using editorLayout::kTagSettings;

// Inclusive hit rectangles of the groups and buttons as the page image shows
// them.
constexpr gui::CRect kGroupRects[7] = {
    {34, 58, 117, 86},   {159, 58, 242, 100},  {159, 130, 242, 172}, {34, 130, 117, 186},
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

// The instance over a defaults file of the test's own, its settings store, and
// the page over a recording view of the panel, put into a frame the test
// makes: in a window or without one.
class SettingsPageFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (largeDigits)
            largeDigits->forget();
        usePreferencesFile("");
    }

    std::filesystem::path preferences() const { return folder.path() / "Tolvo.veskpref"; }

    // Makes the instance (which reads the file) and the page over the panel.
    void buildPage(gui::CFrame& frame, const std::filesystem::path& file,
                   const gui::CColor& panelColour = gui::kWhiteCColor)
    {
        usePreferencesFile(file.string());
        plug = std::make_unique<PlugDriver>();
        store = std::make_unique<EngineSettingsStore>(*(*plug)->getSettings());
        largeDigits = new CDIB(editorLayout::kLargeDigits);
        underneath = new RecordingView(kEditorRect, "panel", log, panelColour);
        frame.addView(underneath);
        splash = new nSplash(kLogoRect, kTagSettings, &listener, editorLayout::kLogo,
                             editorLayout::kSettingsPage, editorLayout::kOptionMarker,
                             editorLayout::kSettingsButtons, store.get(), largeDigits);
        frame.addView(splash);
    }

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
    // Answers 0 to modifier clicks, as the editor does, so they reach the page.
    RecordingListener listener;
    CDIB* largeDigits = nullptr;
    RecordingView* underneath = nullptr;
    nSplash* splash = nullptr;
    std::vector<ViewEvent> log;
};

// The page in a frame without a window.
class SplashFixture : public SettingsPageFixture {
protected:
    void TearDown() override
    {
        if (frame)
            frame->forget();
        SettingsPageFixture::TearDown();
    }

    void build(const std::filesystem::path& file)
    {
        frame = new TestFrame();
        buildPage(*frame, file);
        frame->setDirty(false);
    }
    void build() { build(preferences()); }

    void press(gui::CPoint where, gui::CButtonState buttons = gui::kLButton)
    {
        frame->onMouseDown(where, buttons);
    }
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

    TestFrame* frame = nullptr;
};

} // namespace tolvo
