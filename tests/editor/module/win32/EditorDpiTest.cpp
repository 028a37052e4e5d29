// The editor on a Windows desktop at 192 dpi (the wine prefix's LogPixels,
// set by the test's wrapper), in a DPI-aware host: it opens at 2× with no
// setting, tells the host so before and after open, takes clicks in the
// window's pixels and opens the Gain field's EDIT control where the 1× one
// lies, scaled, with a font twice as tall; the user's TOLVO_SCALE still wins.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/editor/DesktopScaleEditor.h"

namespace tolvo {

namespace {

constexpr int kDesktopDpi = 192;
constexpr int32_t kDesktopScale = 2;

class EditorDpiTest : public DesktopScaleEditor {
protected:
    void SetUp() override
    {
        DesktopScaleEditor::SetUp();
        if (HasFatalFailure())
            return;
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(dpi, kDesktopDpi) << "the wrapper sets the prefix's LogPixels";
    }

    HWND editorWindow() { return GetWindow(static_cast<HWND>(host->handle()), GW_CHILD); }

    // The client size of the editor's window inside the host window.
    gui::CRect openedWindow()
    {
        RECT client{};
        if (HWND editor = editorWindow())
            GetClientRect(editor, &client);
        return gui::CRect(client.left, client.top, client.right, client.bottom);
    }

    struct EntryShape {
        gui::CRect rect; // in the editor window's pixels
        LONG fontHeight = 0;
    };

    // Clicks the Gain field of an editor open at `scale` and reads where its
    // EDIT control lies and how tall its font is; Escape closes it again.
    EntryShape gainEntryAt(int32_t scale)
    {
        const gui::CPoint centre((kGainField.left + kGainField.right) / 2,
                                 (kGainField.top + kGainField.bottom) / 2);
        click(gui::CPoint(centre.x * scale, centre.y * scale));
        EntryShape shape;
        HWND edit = FindWindowExW(editorWindow(), nullptr, L"EDIT", nullptr);
        if (!edit)
            return shape;
        RECT rect{};
        GetWindowRect(edit, &rect);
        MapWindowPoints(nullptr, editorWindow(), reinterpret_cast<POINT*>(&rect), 2);
        shape.rect = gui::CRect(rect.left, rect.top, rect.right, rect.bottom);
        LOGFONTW font{};
        auto handle = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
        if (handle && GetObjectW(handle, sizeof font, &font) == sizeof font)
            shape.fontHeight = font.lfHeight;
        input->press(EditKey::Escape);
        pump();
        return shape;
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

TEST_F(EditorDpiTest, TheGainEntryIsTheOneXEntryScaledWithATwiceTallFont)
{
    setScaleSetting("1");
    openEditor();
    const EntryShape single = gainEntryAt(1);
    closeEditor();
    ASSERT_FALSE(single.rect.isEmpty()) << "an entry opens at 1x";
    ASSERT_NE(single.fontHeight, 0);

    setScaleSetting(nullptr);
    openEditor();
    const EntryShape doubled = gainEntryAt(kDesktopScale);
    EXPECT_EQ(doubled.rect,
              gui::CRect(single.rect.left * kDesktopScale, single.rect.top * kDesktopScale,
                         single.rect.right * kDesktopScale, single.rect.bottom * kDesktopScale));
    EXPECT_EQ(doubled.fontHeight, single.fontHeight * kDesktopScale);
}

} // namespace tolvo
