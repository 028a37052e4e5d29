#include "view/platform/x11/X11BackBuffer.h"

#include <X11/Xutil.h>

namespace gui {

X11BackBuffer::X11BackBuffer(Display* display, Window window, int32_t width, int32_t height)
    : display(display), window(window), gc(XCreateGC(display, window, 0, nullptr))
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    visual = attributes.visual;
    depth = attributes.depth;
    resize(width, height);
}

X11BackBuffer::~X11BackBuffer()
{
    cairo_surface_destroy(image);
    XFreeGC(display, gc);
}

void X11BackBuffer::resize(int32_t width, int32_t height)
{
    if (image)
        cairo_surface_destroy(image);
    image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

void X11BackBuffer::copyToWindow(const CRect& area)
{
    cairo_surface_flush(image);
    int width = cairo_image_surface_get_width(image);
    int height = cairo_image_surface_get_height(image);
    CRect bounded = area;
    bounded.bound(CRect(0, 0, width, height));
    if (bounded.isEmpty() || depth < 24)
        return;
    XImage* picture = XCreateImage(display, visual, unsigned(depth), ZPixmap, 0,
                                   reinterpret_cast<char*>(cairo_image_surface_get_data(image)),
                                   unsigned(width), unsigned(height), 32,
                                   cairo_image_surface_get_stride(image));
    if (!picture)
        return;
    XPutImage(display, window, gc, picture, bounded.left, bounded.top, bounded.left, bounded.top,
              unsigned(bounded.width()), unsigned(bounded.height()));
    // The pixels belong to cairo, not to the XImage.
    picture->data = nullptr;
    XDestroyImage(picture);
    XFlush(display);
}

} // namespace gui
