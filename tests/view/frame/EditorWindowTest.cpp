// The plug-in's editor through the module, as a host drives it: the window
// opens inside the host's window and draws, two editors live side by side,
// the keys of the host move the focus, an instance closed with its window
// open takes the window with it, and opening and closing leaks nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/support/PluginFixture.h"
#include "tests/support/editor/EditorHostWindow.h"
#include "tests/support/view/ChildWindows.h"
#include "tests/support/view/SystemResources.h"
#include "tools/tolvo-host/HostWindow.h"

namespace tolvo {

namespace {

using editorLayout::kHeight;
using editorLayout::kWidth;
constexpr auto kIdlePause = std::chrono::milliseconds(10);
constexpr int kIdleRounds = 10;

VstIntPtr pressKey(PluginInstance& plugin, unsigned char virt, unsigned char modifier = 0)
{
    return plugin.dispatch(effEditKeyDown, 0, virt, nullptr, float(modifier));
}

// Distinct colours in the window: a drawn panel has many, an empty window one.
size_t colourCount(HostWindow& host)
{
    int32_t width = 0, height = 0;
    std::vector<uint8_t> pixels = host.capturePixels(width, height);
    std::vector<uint32_t> colours;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4 * 97) {
        uint32_t colour =
            uint32_t(pixels[i]) | uint32_t(pixels[i + 1]) << 8 | uint32_t(pixels[i + 2]) << 16;
        if (std::find(colours.begin(), colours.end(), colour) == colours.end())
            colours.push_back(colour);
    }
    return colours.size();
}

class EditorWindowTest : public EditorHostWindow {};

TEST_F(EditorWindowTest, OpensInsideTheHostWindowAndDraws)
{
    ERect* rect = nullptr;
    ASSERT_EQ(plugin->dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, kWidth);
    EXPECT_EQ(rect->bottom - rect->top, kHeight);

    EXPECT_EQ(childWindowCount(host->handle()), 0);
    EXPECT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
    EXPECT_EQ(childWindowCount(host->handle()), 1);
    idleEditor(*plugin, *host, kIdleRounds, kIdlePause);
    EXPECT_GT(colourCount(*host), 10u);

    plugin->dispatch(effEditClose);
    host->processEvents();
    EXPECT_EQ(childWindowCount(host->handle()), 0);
}

TEST_F(EditorWindowTest, TwoEditorsWorkIndependently)
{
    PluginInstance second(builtModule());
    std::unique_ptr<HostWindow> secondHost =
        HostWindow::create(kWidth, kHeight, "second editor", kWidth + 40, 0);
    ASSERT_TRUE(secondHost);
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    second.dispatch(effEditOpen, 0, 0, secondHost->handle());
    idleEditor(*plugin, *host, kIdleRounds, kIdlePause);
    idleEditor(second, *secondHost, kIdleRounds, kIdlePause);
    EXPECT_GT(colourCount(*host), 10u);
    EXPECT_GT(colourCount(*secondHost), 10u);

    // Focus is each editor's own: Tab in the second moves nothing in the first.
    EXPECT_EQ(pressKey(second, VKEY_TAB), 1);
    plugin->dispatch(effEditClose);
    EXPECT_EQ(childWindowCount(host->handle()), 0);
    EXPECT_EQ(childWindowCount(secondHost->handle()), 1);
    idleEditor(second, *secondHost, kIdleRounds, kIdlePause);
    EXPECT_EQ(pressKey(second, VKEY_TAB), 1);
    EXPECT_GT(colourCount(*secondHost), 10u);

    // The window class the two shared is still there for a new window.
    EXPECT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
    idleEditor(*plugin, *host, kIdleRounds, kIdlePause);
    EXPECT_GT(colourCount(*host), 10u);
    plugin->dispatch(effEditClose);
    second.dispatch(effEditClose);
}

TEST_F(EditorWindowTest, TabAndShiftTabFromTheHostWalkTheTextFields)
{
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    idleEditor(*plugin, *host, 3, kIdlePause);
    HostLog::instance().clear();
    EXPECT_EQ(pressKey(*plugin, VKEY_TAB), 1);
    EXPECT_EQ(pressKey(*plugin, VKEY_TAB), 1);
    // Each field in edit is one gesture of its parameter towards the host.
    auto begins = HostLog::instance().callsWithOpcode(audioMasterBeginEdit);
    auto ends = HostLog::instance().callsWithOpcode(audioMasterEndEdit);
    ASSERT_EQ(begins.size(), 2u);
    EXPECT_EQ(begins[0].index, 0);
    EXPECT_EQ(begins[1].index, 1);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].index, 0);
    EXPECT_EQ(pressKey(*plugin, VKEY_TAB), 0) << "the last field should give the focus up";
    EXPECT_EQ(HostLog::instance().callsWithOpcode(audioMasterEndEdit).size(), 2u);
    EXPECT_EQ(pressKey(*plugin, VKEY_TAB), 1);
    EXPECT_EQ(pressKey(*plugin, VKEY_TAB, MODIFIER_SHIFT), 0);
    plugin->dispatch(effEditClose);
    EXPECT_EQ(pressKey(*plugin, VKEY_TAB), 0) << "a closed editor took a key";
}

TEST_F(EditorWindowTest, ClosingTheInstanceWithItsWindowOpenRemovesTheWindow)
{
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    idleEditor(*plugin, *host, 3, kIdlePause);
    // A text field in edit holds an entry window of its own.
    pressKey(*plugin, VKEY_TAB);
    plugin->close();
    plugin.reset();
    host->processEvents();
    EXPECT_EQ(childWindowCount(host->handle()), 0);
}

TEST_F(EditorWindowTest, HostWindowDestroyedBeforeTheEditorClosesIsSurvived)
{
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    idleEditor(*plugin, *host, 3, kIdlePause);
    host.reset();
    plugin->dispatch(effEditIdle);
    plugin->dispatch(effEditClose);

    host = HostWindow::create(kWidth, kHeight, "editor test again");
    ASSERT_TRUE(host);
    EXPECT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
    idleEditor(*plugin, *host, kIdleRounds, kIdlePause);
    EXPECT_GT(colourCount(*host), 10u);
    plugin->dispatch(effEditClose);
}

TEST_F(EditorWindowTest, OpeningAndClosingAThousandTimesLeavesNothingBehind)
{
    // The first round loads what an editor keeps for its whole life.
    plugin->dispatch(effEditOpen, 0, 0, host->handle());
    plugin->dispatch(effEditClose);
    const long resourcesBefore = systemResourceCount();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
        plugin->dispatch(effEditIdle);
        plugin->dispatch(effEditClose);
    }
    host->processEvents();
    EXPECT_EQ(childWindowCount(host->handle()), 0);
    EXPECT_LE(systemResourceCount(), resourcesBefore + 2);
}

} // namespace

} // namespace tolvo
