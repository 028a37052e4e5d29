// An image the size of a window that is drawn with cairo and copied to the
// window with XPutImage. The image's memory layout (32 bits a pixel, blue,
// green, red, unused on little-endian machines) is that of 24- and 32-bit
// TrueColor windows, so the copy needs no conversion.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

#include "view/CRect.h"

namespace gui {

class X11BackBuffer {
public:
    X11BackBuffer(Display* display, Window window, int32_t width, int32_t height);
    ~X11BackBuffer();
    X11BackBuffer(const X11BackBuffer&) = delete;
    X11BackBuffer& operator=(const X11BackBuffer&) = delete;

    cairo_surface_t* surface() const { return image; }
    void resize(int32_t width, int32_t height);
    // Copies the area (window coordinates) from the image to the window.
    void copyToWindow(const CRect& area);

private:
    Display* display;
    Window window;
    GC gc;
    Visual* visual;
    int depth;
    cairo_surface_t* image = nullptr;
};

} // namespace gui
