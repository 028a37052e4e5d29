// The editor on a Windows desktop at 192 dpi (the wine prefix's LogPixels,
// set by the test's wrapper), in a DPI-aware host: it opens at 2× with no
// setting, tells the host so before and after open, and takes clicks in the
// window's pixels; the user's TOLVO_SCALE still wins over the desktop.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/editor/HostedEditor.h"
#include "tests/support/view/WindowSystem.h"

namespace tolvo {

namespace {

constexpr int kDesktopDpi = 192;
constexpr int32_t kDesktopScale = 2, kLargestScale = 3;
constexpr VstInt32 kMuteParameter = 3;

class EditorDpiTest : public HostedEditor {
protected:
    void SetUp() override
    {
        HostedEditor::SetUp();
        if (!HasFatalFailure())
            hostForScale(kLargestScale);
        if (HasFatalFailure())
            return;
        setScaleSetting(nullptr);
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(dpi, kDesktopDpi) << "the wrapper sets the prefix's LogPixels";
    }

    void TearDown() override
    {
        HostedEditor::TearDown();
        setScaleSetting(nullptr);
    }

    // The client size of the editor's window inside the host window.
    gui::CRect openedWindow()
    {
        RECT client{};
        HWND editor = GetWindow(static_cast<HWND>(host->handle()), GW_CHILD);
        if (editor)
            GetClientRect(editor, &client);
        return gui::CRect(client.left, client.top, client.right, client.bottom);
    }
};

} // namespace

TEST_F(EditorDpiTest, OpensAtTheScaleOfTheHostWindowsResolution)
{
    const gui::CRect doubled(0, 0, kEditorWidth * kDesktopScale, kEditorHeight * kDesktopScale);
    EXPECT_EQ(editorRect(), doubled) << "before open: the screen's resolution";
    openEditor();
    EXPECT_EQ(openedWindow(), doubled);
    EXPECT_EQ(editorRect(), doubled) << "after open";

    const gui::CPoint mute(kMuteCentre.x * kDesktopScale, kMuteCentre.y * kDesktopScale);
    ASSERT_EQ(plugin->getParameter(kMuteParameter), 0.0f);
    click(mute);
    EXPECT_EQ(plugin->getParameter(kMuteParameter), 1.0f);
    click(mute);
    EXPECT_EQ(plugin->getParameter(kMuteParameter), 0.0f);
}

TEST_F(EditorDpiTest, TheUserSettingOverTheDesktop)
{
    setScaleSetting("1");
    const gui::CRect single(0, 0, kEditorWidth, kEditorHeight);
    EXPECT_EQ(editorRect(), single);
    openEditor();
    EXPECT_EQ(openedWindow(), single);
    closeEditor();
    setScaleSetting("3");
    openEditor();
    EXPECT_EQ(openedWindow(), gui::CRect(0, 0, kEditorWidth * 3, kEditorHeight * 3));
}

} // namespace tolvo
