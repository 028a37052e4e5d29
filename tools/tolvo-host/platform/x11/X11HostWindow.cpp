// The host window on Linux: a plain Xlib top-level window on a display
// connection of its own.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "tools/tolvo-host/HostWindow.h"
#include "view/platform/x11/X11Display.h"

namespace tolvo {

namespace {

class X11HostWindow : public HostWindow {
public:
    X11HostWindow(Display* display, int32_t width, int32_t height, const char* title, int32_t x,
                  int32_t y)
        : display(display)
    {
        int screen = DefaultScreen(display);
        window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, unsigned(width),
                                     unsigned(height), 0, BlackPixel(display, screen),
                                     BlackPixel(display, screen));
        XStoreName(display, window, title);
        XSizeHints hints{};
        hints.flags = PPosition | PMinSize | PMaxSize;
        hints.x = x;
        hints.y = y;
        hints.min_width = hints.max_width = width;
        hints.min_height = hints.max_height = height;
        XSetWMNormalHints(display, window, &hints);
        deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &deleteAtom, 1);
        XSelectInput(display, window, StructureNotifyMask);
        XMapWindow(display, window);
        // Wait until the window is shown, so a child can be mapped at once.
        for (XEvent event;;) {
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.window == window)
                break;
        }
    }

    ~X11HostWindow() override
    {
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    void* handle() const override { return reinterpret_cast<void*>(uintptr_t(window)); }

    bool processEvents() override
    {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == deleteAtom)
                open = false;
        }
        return open;
    }

    std::vector<uint8_t> capturePixels(int32_t& width, int32_t& height) override
    {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, window, &attributes))
            return {};
        XImage* image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                                  unsigned(attributes.height), AllPlanes, ZPixmap);
        if (!image)
            return {};
        width = attributes.width;
        height = attributes.height;
        std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 4);
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                unsigned long pixel = XGetPixel(image, x, y);
                uint8_t* target = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 4];
                target[0] = uint8_t(pixel & 0xFF);
                target[1] = uint8_t((pixel >> 8) & 0xFF);
                target[2] = uint8_t((pixel >> 16) & 0xFF);
                target[3] = 0xFF;
            }
        }
        XDestroyImage(image);
        return pixels;
    }

private:
    Display* display;
    Window window = None;
    Atom deleteAtom = None;
    bool open = true;
};

} // namespace

std::unique_ptr<HostWindow> HostWindow::create(int32_t width, int32_t height, const char* title,
                                               int32_t x, int32_t y)
{
    Display* display = gui::openX11Display();
    if (!display)
        return nullptr;
    return std::make_unique<X11HostWindow>(display, width, height, title, x, y);
}

} // namespace tolvo
