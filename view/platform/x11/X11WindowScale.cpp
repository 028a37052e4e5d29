// The editor scale on Linux: the host's, else TOLVO_SCALE, else GDK_SCALE,
// else the X server's Xft.dpi, limited by the height of the display's screen.
#include <cstdlib>

#include "view/platform/EditorScale.h"
#include "view/platform/x11/X11Display.h"
#include "view/platform/x11/X11Window.h"

namespace gui {

int32_t X11Window::scaleForDisplay(Display* display, int32_t height, double hostScale)
{
    ScaleSources sources;
    sources.hostScale = hostScale;
    sources.userScale = std::getenv("TOLVO_SCALE");
    sources.desktopScale = std::getenv("GDK_SCALE");
    sources.screenDpi = xftDpiOf(XResourceManagerString(display));
    sources.screenHeight = DisplayHeight(display, DefaultScreen(display));
    return chooseEditorScale(sources, height);
}

int32_t PlatformWindow::chooseScale(int32_t height, double hostScale)
{
    Display* display = openX11Display();
    if (!display)
        return 1;
    const int32_t scale = X11Window::scaleForDisplay(display, height, hostScale);
    XCloseDisplay(display);
    return scale;
}

} // namespace gui
