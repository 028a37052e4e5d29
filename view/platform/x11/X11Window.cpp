// The frame's window on Linux: creation inside the host's window, the idle
// that pumps events and paints, resizing and the text entry.
#include "view/platform/x11/X11Window.h"

#include <X11/Xatom.h>
#include <algorithm>
#include <vector>

#include "view/platform/x11/ScaledCopy.h"
#include "view/platform/x11/X11Display.h"
#include "view/platform/x11/X11ErrorHandler.h"
#include "view/platform/x11/X11TextEntry.h"

namespace gui {

namespace {

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | StructureNotifyMask |
                            VisibilityChangeMask;

// Tells embedding hosts that the window wants to be shown (protocol version 0,
// flag "mapped").
void setXEmbedInfo(Display* display, Window window)
{
    Atom atom = XInternAtom(display, "_XEMBED_INFO", False);
    long info[2] = {0, 1};
    XChangeProperty(display, window, atom, atom, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(info), 2);
}

} // namespace

PlatformWindow* PlatformWindow::create(void* parentWindow, int32_t width, int32_t height,
                                       double hostScale, PlatformWindowListener* listener)
{
    if (!parentWindow || width <= 0 || height <= 0)
        return nullptr;
    Display* display = openX11Display();
    if (!display)
        return nullptr;
    auto parent = static_cast<Window>(reinterpret_cast<uintptr_t>(parentWindow));
    X11Window* window = nullptr;
    try {
        window = new X11Window(display, parent, width, height,
                               X11Window::scaleForDisplay(display, height, hostScale), listener);
    } catch (...) {
        XCloseDisplay(display);
        throw;
    }
    if (!window->isCreated()) {
        delete window;
        return nullptr;
    }
    return window;
}

X11Window::X11Window(Display* display, Window parent, int32_t width, int32_t height,
                     int32_t windowScale, PlatformWindowListener* listener)
    : display(display), width(width), height(height), listener(listener),
      damage(CRect(0, 0, width, height))
{
    scale = windowScale;
    X11ErrorHandler::attach(display);
    XSetWindowAttributes attributes{};
    attributes.event_mask = kEventMask;
    attributes.background_pixmap = None;
    Window created =
        XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(width * scale),
                      static_cast<unsigned>(height * scale), 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWEventMask | CWBackPixmap, &attributes);
    if (X11ErrorHandler::syncFailed(display) || created == None)
        return;
    window = created;
    // Memory running out half way leaves no window behind.
    try {
        setXEmbedInfo(display, window);
        XMapWindow(display, window);
        backBuffer = std::make_unique<X11BackBuffer>(display, window, width, height,
                                                     X11BackBuffer::kSharedMemoryWhenLocal, scale);
        openWindows.push_back(this);
    } catch (...) {
        backBuffer.reset();
        XDestroyWindow(display, window);
        X11ErrorHandler::syncFailed(display);
        X11ErrorHandler::detach(display);
        throw;
    }
    XFlush(display);
}

X11Window::~X11Window()
{
    if (textEntry)
        textEntry->windowGone();
    openWindows.erase(std::remove(openWindows.begin(), openWindows.end(), this), openWindows.end());
    if (lastPressedWindow == this)
        lastPressedWindow = nullptr;
    backBuffer.reset();
    if (blankCursor != None)
        XFreeCursor(display, blankCursor);
    for (Cursor cursor : cursors) {
        if (cursor != None)
            XFreeCursor(display, cursor);
    }
    if (window != None)
        XDestroyWindow(display, window);
    X11ErrorHandler::syncFailed(display);
    X11ErrorHandler::detach(display);
    XCloseDisplay(display);
}

void* X11Window::handle() const
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

void X11Window::invalidRect(const CRect& rect)
{
    damage.add(rect);
}

void X11Window::idle()
{
    while (window != None && XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        dispatch(event);
    }
    if (window == None)
        return;
    listener->windowInputDelivered();
    paintDamage();
}

void X11Window::paintDamage()
{
    if (damage.isEmpty() || !backBuffer || !readyToPaint())
        return;
    damage.takeInto(painting);
    cairo_surface_t* surface = backBuffer->surface();
    for (const CRect& area : painting)
        listener->windowPaint(surface, area);
    backBuffer->copyToWindow(painting);
}

void X11Window::trackMouseLeave()
{
    leaveTracked = true;
}

void X11Window::setSize(int32_t newWidth, int32_t newHeight)
{
    if (window == None || newWidth <= 0 || newHeight <= 0)
        return;
    width = newWidth;
    height = newHeight;
    XResizeWindow(display, window, static_cast<unsigned>(width * scale),
                  static_cast<unsigned>(height * scale));
    listener->windowDeviceReplaced();
    backBuffer->resize(width, height);
    damage.setBounds(CRect(0, 0, width, height));
    invalidRect(CRect(0, 0, width, height));
}

std::unique_ptr<NativeTextEntry>
X11Window::createTextEntry(const NativeTextEntry::Settings& settings,
                           NativeTextEntry::Listener& listener)
{
    if (window == None)
        return nullptr;
    // The entry is a window of its own, drawn directly at the window's scale.
    auto entry =
        std::make_unique<X11TextEntry>(*this, scaledEntrySettings(settings, scale), listener);
    if (!entry->isOpen())
        return nullptr;
    return entry;
}

bool X11Window::takeHostKey(const VstKeyCode& key)
{
    return textEntry && textEntry->hostKey(key);
}

} // namespace gui
