#include "view/platform/x11/X11BackBuffer.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include "view/platform/x11/ScaledCopy.h"
#include "view/platform/x11/X11ErrorHandler.h"

namespace gui {

namespace {

constexpr int kBitsPerPixel = 32;

} // namespace

X11BackBuffer::X11BackBuffer(Display* display, Window window, int32_t width, int32_t height,
                             Transport transport, int32_t scale)
    : display(display), window(window), gc(XCreateGC(display, window, 0, nullptr)), scale(scale)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    visual = attributes.visual;
    depth = attributes.depth;
    if (transport == kSharedMemoryWhenLocal && XShmQueryExtension(display))
        completionType = XShmGetEventBase(display) + ShmCompletion;
    resize(width, height);
}

X11BackBuffer::~X11BackBuffer()
{
    releaseImage();
    XFreeGC(display, gc);
}

cairo_surface_t* X11BackBuffer::surface()
{
    waitForServer();
    return composed ? composed : image;
}

void X11BackBuffer::resize(int32_t width, int32_t height)
{
    releaseImage();
    if (scale > 1)
        composed = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    width *= scale;
    height *= scale;
    if (completionType >= 0 && depth >= 24 && createShared(width, height))
        return;
    image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (depth < 24 || cairo_surface_status(image) != CAIRO_STATUS_SUCCESS)
        return;
    picture =
        XCreateImage(display, visual, unsigned(depth), ZPixmap, 0,
                     reinterpret_cast<char*>(cairo_image_surface_get_data(image)), unsigned(width),
                     unsigned(height), kBitsPerPixel, cairo_image_surface_get_stride(image));
}

// A shared segment the server has attached, wrapped as the cairo image; false
// (and nothing kept) when any step is refused.
bool X11BackBuffer::createShared(int32_t width, int32_t height)
{
    XImage* created = XShmCreateImage(display, visual, unsigned(depth), ZPixmap, nullptr, &segment,
                                      unsigned(width), unsigned(height));
    if (!created)
        return false;
    if (created->bits_per_pixel != kBitsPerPixel ||
        created->bytes_per_line != cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width)) {
        XDestroyImage(created);
        return false;
    }
    segment.shmid =
        shmget(IPC_PRIVATE, size_t(created->bytes_per_line) * size_t(height), IPC_CREAT | 0600);
    if (segment.shmid < 0) {
        XDestroyImage(created);
        return false;
    }
    segment.shmaddr = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    const bool mapped = segment.shmaddr != reinterpret_cast<char*>(-1);
    segment.readOnly = True;
    bool attached = false;
    if (mapped) {
        X11ErrorHandler::syncFailed(display);
        XShmAttach(display, &segment);
        attached = !X11ErrorHandler::syncFailed(display);
    }
    // Marked for removal at once: the segment goes when both sides have
    // detached, even after a crash.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    if (!attached) {
        if (mapped)
            shmdt(segment.shmaddr);
        XDestroyImage(created);
        return false;
    }
    created->data = segment.shmaddr;
    image = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(segment.shmaddr),
                                                CAIRO_FORMAT_ARGB32, width, height,
                                                created->bytes_per_line);
    picture = created;
    shared = true;
    return true;
}

void X11BackBuffer::releaseImage()
{
    if (shared) {
        waitForServer();
        XShmDetach(display, &segment);
        XSync(display, False);
    }
    if (image)
        cairo_surface_destroy(image);
    image = nullptr;
    if (composed)
        cairo_surface_destroy(composed);
    composed = nullptr;
    if (shared)
        shmdt(segment.shmaddr);
    if (picture) {
        // The pixels belong to cairo or to the segment, not to the XImage.
        picture->data = nullptr;
        XDestroyImage(picture);
    }
    picture = nullptr;
    shared = false;
}

void X11BackBuffer::copyToWindow(const std::vector<CRect>& areas)
{
    if (!picture || (composed && cairo_surface_status(composed) != CAIRO_STATUS_SUCCESS))
        return;
    cairo_surface_t* source = composed ? composed : image;
    cairo_surface_flush(source);
    const CRect whole(0, 0, cairo_image_surface_get_width(source),
                      cairo_image_surface_get_height(source));
    copies.clear();
    for (CRect area : areas) {
        area.bound(whole);
        if (area.isEmpty())
            continue;
        if (composed) {
            waitForServer();
            const ImagePixels from{cairo_image_surface_get_data(composed),
                                   cairo_image_surface_get_stride(composed)};
            const ImagePixels to{cairo_image_surface_get_data(image),
                                 cairo_image_surface_get_stride(image)};
            copyScaled(from, to, area, scale);
            area = scaledRect(area, scale);
        }
        copies.push_back(area);
    }
    if (composed)
        cairo_surface_mark_dirty(image);
    for (size_t i = 0; i < copies.size(); ++i) {
        const CRect& area = copies[i];
        const auto w = unsigned(area.width()), h = unsigned(area.height());
        if (shared) {
            // Only the last copy asks for the completion notice.
            XShmPutImage(display, window, gc, picture, area.left, area.top, area.left, area.top, w,
                         h, i + 1 == copies.size() ? True : False);
        } else {
            XPutImage(display, window, gc, picture, area.left, area.top, area.left, area.top, w, h);
        }
    }
    if (copies.empty())
        return;
    copyPending = shared;
    XFlush(display);
}

bool X11BackBuffer::takeCompletion(const XEvent& event)
{
    if (completionType < 0 || event.type != completionType || event.xany.window != window)
        return false;
    copyPending = false;
    return true;
}

Bool X11BackBuffer::isOwnCompletion(Display*, XEvent* event, XPointer self)
{
    const auto* buffer = reinterpret_cast<const X11BackBuffer*>(self);
    return event->type == buffer->completionType && event->xany.window == buffer->window;
}

void X11BackBuffer::waitForServer()
{
    if (!copyPending)
        return;
    XEvent event;
    auto self = reinterpret_cast<XPointer>(this);
    if (!XCheckIfEvent(display, &event, isOwnCompletion, self)) {
        // Once the server has answered, it has read every copy sent before,
        // and its notice is queued: taken here, it cannot later pass for the
        // notice of a newer copy.
        XSync(display, False);
        while (XCheckIfEvent(display, &event, isOwnCompletion, self)) {
        }
    }
    copyPending = false;
}

} // namespace gui
