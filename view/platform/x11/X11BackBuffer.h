// An image the size of a window that is drawn with cairo and copied to the
// window. The image's memory layout (32 bits a pixel, blue, green, red,
// unused on little-endian machines) is that of 24- and 32-bit TrueColor
// windows, so the copy needs no conversion.
//
// With a local X server the image lives in memory shared with the server
// (MIT-SHM): a copy is one short request and the server reads the pixels in
// place. Until the server reports it has, the image is not drawn into again.
// Without the extension (a remote display, or shared memory refused), the
// pixels travel over the connection with XPutImage. At a scale above 1 the
// picture is drawn at 1× and each copied area is enlarged into the window's
// image on its way out, every pixel an N × N block.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <cairo.h>
#include <vector>

#include "view/CRect.h"

namespace gui {

class X11BackBuffer {
public:
    enum Transport { kSharedMemoryWhenLocal, kConnectionOnly };

    X11BackBuffer(Display* display, Window window, int32_t width, int32_t height,
                  Transport transport = kSharedMemoryWhenLocal, int32_t scale = 1);
    ~X11BackBuffer();
    X11BackBuffer(const X11BackBuffer&) = delete;
    X11BackBuffer& operator=(const X11BackBuffer&) = delete;

    // The 1× image to draw into (or measure with); first waits until the
    // server has read the last copy out of shared memory.
    cairo_surface_t* surface();
    // Sizes the 1× image; the window's image is `scale` times as large.
    void resize(int32_t width, int32_t height);
    // Copies the areas (1× coordinates) from the image to the window.
    void copyToWindow(const std::vector<CRect>& areas);
    void copyToWindow(const CRect& area) { copyToWindow(std::vector<CRect>{area}); }
    bool usesSharedMemory() const { return shared; }
    // True when the event is the server's notice that it has read the last
    // copy; the window's event loop hands its events here first.
    bool takeCompletion(const XEvent& event);

private:
    bool createShared(int32_t width, int32_t height);
    void releaseImage();
    void waitForServer();
    static Bool isOwnCompletion(Display* display, XEvent* event, XPointer self);

    Display* display;
    Window window;
    GC gc;
    Visual* visual;
    int depth;
    int32_t scale;
    // The window-size image the XImage describes.
    cairo_surface_t* image = nullptr;
    // The 1× image drawn into when the scale is above 1, else none.
    cairo_surface_t* composed = nullptr;
    // The XImage describing the pixels: shared memory, or cairo's own memory.
    XImage* picture = nullptr;
    XShmSegmentInfo segment{};
    bool shared = false;
    int completionType = -1;
    bool copyPending = false;
    // The areas of the copy in progress (kept to reuse their memory).
    std::vector<CRect> copies;
};

} // namespace gui
