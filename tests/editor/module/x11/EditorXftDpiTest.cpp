// The editor on a Linux desktop that says 192 dpi through the X server's
// Xft.dpi resource and nothing else: it opens at 2×, tells the host so before
// and after open, and takes clicks in the window's pixels; GDK_SCALE goes
// before Xft.dpi and the user's TOLVO_SCALE before both.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstdlib>
#include <string>

#include "tests/support/editor/DesktopScaleEditor.h"
#include "view/platform/x11/X11Display.h"

namespace tolvo {

namespace {

constexpr int32_t kDesktopScale = 2;

class EditorXftDpiTest : public DesktopScaleEditor {
protected:
    void SetUp() override
    {
        DesktopScaleEditor::SetUp();
        if (HasFatalFailure())
            return;
        unsetenv("GDK_SCALE");
        display = gui::openX11Display();
        ASSERT_NE(display, nullptr);
        setResources("Xft.antialias:\t1\nXft.dpi:\t192\n");
    }

    void TearDown() override
    {
        DesktopScaleEditor::TearDown();
        unsetenv("GDK_SCALE");
        if (display) {
            XDeleteProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER);
            XCloseDisplay(display);
        }
    }

    // What xrdb does: the resource string on the root window, read by every
    // connection opened afterwards.
    void setResources(const std::string& resources)
    {
        XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(resources.data()),
                        int(resources.size()));
        XSync(display, False);
    }

    // The size of the editor's window inside the host window.
    gui::CRect openedWindow()
    {
        Window root = None, parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        const auto hostWindow = Window(reinterpret_cast<uintptr_t>(host->handle()));
        gui::CRect size;
        if (XQueryTree(display, hostWindow, &root, &parent, &children, &count) && count == 1) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display, children[0], &attributes))
                size = gui::CRect(0, 0, attributes.width, attributes.height);
        }
        if (children)
            XFree(children);
        return size;
    }

    Display* display = nullptr;
};

} // namespace

TEST_F(EditorXftDpiTest, OpensAtTheScaleOfTheDesktopsResolution)
{
    EXPECT_EQ(editorRect(), scaledEditor(kDesktopScale)) << "before open";
    openEditor();
    EXPECT_EQ(openedWindow(), scaledEditor(kDesktopScale));
    EXPECT_EQ(editorRect(), scaledEditor(kDesktopScale)) << "after open";

    const gui::CPoint mute(kMuteCentre.x * kDesktopScale, kMuteCentre.y * kDesktopScale);
    ASSERT_EQ(plugin->getParameter(kMuteParameter), 0.0f);
    click(mute);
    EXPECT_EQ(plugin->getParameter(kMuteParameter), 1.0f);
}

TEST_F(EditorXftDpiTest, TheDesktopScaleGoesBeforeTheResolutionAndTheUserSettingBeforeBoth)
{
    setenv("GDK_SCALE", "3", 1);
    EXPECT_EQ(editorRect(), scaledEditor(3));
    openEditor();
    EXPECT_EQ(openedWindow(), scaledEditor(3));
    closeEditor();

    setScaleSetting("1");
    EXPECT_EQ(editorRect(), scaledEditor(1));
    openEditor();
    EXPECT_EQ(openedWindow(), scaledEditor(1));
    closeEditor();

    // A resolution that rounds down, with nothing else said.
    setScaleSetting(nullptr);
    unsetenv("GDK_SCALE");
    setResources("Xft.dpi:\t120\n");
    EXPECT_EQ(editorRect(), scaledEditor(1));
}

} // namespace tolvo
