#include "view/platform/x11/X11Window.h"
#include "view/platform/x11/X11Display.h"

#include <X11/Xatom.h>
#include <X11/cursorfont.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "view/DoubleClickTime.h"
#include "view/platform/x11/X11ErrorHandler.h"
#include "view/platform/x11/X11TextEntry.h"

namespace gui {

namespace {

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | StructureNotifyMask |
                            VisibilityChangeMask;
constexpr int32_t kDoubleClickDistance = 4;
constexpr unsigned int kWheelUp = 4, kWheelDown = 5, kWheelLeft = 6, kWheelRight = 7;
constexpr unsigned int kExtraButton1 = 8, kExtraButton2 = 9;

CButtonState modifiersOf(unsigned int state)
{
    CButtonState buttons = 0;
    if (state & ShiftMask)
        buttons |= kShift;
    if (state & ControlMask)
        buttons |= kControl;
    if (state & Mod1Mask)
        buttons |= kAlt;
    return buttons;
}

CButtonState buttonBit(unsigned int button)
{
    switch (button) {
    case Button1:
        return kLButton;
    case Button2:
        return kMButton;
    case Button3:
        return kRButton;
    case kExtraButton1:
        return kButton4;
    case kExtraButton2:
        return kButton5;
    default:
        return 0;
    }
}

// Tells embedding hosts that the window wants to be shown (protocol version 0,
// flag "mapped").
void setXEmbedInfo(Display* display, Window window)
{
    Atom atom = XInternAtom(display, "_XEMBED_INFO", False);
    long info[2] = {0, 1};
    XChangeProperty(display, window, atom, atom, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(info), 2);
}

bool geometryOf(Display* display, Window window, CRect& rect)
{
    Window root;
    int x = 0, y = 0;
    unsigned int w = 0, h = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, window, &root, &x, &y, &w, &h, &border, &depth))
        return false;
    rect = CRect(x, y, x + static_cast<int32_t>(w), y + static_cast<int32_t>(h));
    return true;
}

Window parentOf(Display* display, Window window)
{
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return None;
    if (children)
        XFree(children);
    return parent == root ? None : parent;
}

std::vector<X11Window*> openWindows;
X11Window* lastPressedWindow = nullptr;

} // namespace

PlatformWindow* PlatformWindow::create(void* parentWindow, int32_t width, int32_t height,
                                       PlatformWindowListener* listener)
{
    if (!parentWindow || width <= 0 || height <= 0)
        return nullptr;
    Display* display = openX11Display();
    if (!display)
        return nullptr;
    auto parent = static_cast<Window>(reinterpret_cast<uintptr_t>(parentWindow));
    X11Window* window = nullptr;
    try {
        window = new X11Window(display, parent, width, height, listener);
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
                     PlatformWindowListener* listener)
    : display(display), width(width), height(height), listener(listener), damage(CRect(0, 0, width, height))
{
    X11ErrorHandler::attach(display);
    XSetWindowAttributes attributes{};
    attributes.event_mask = kEventMask;
    attributes.background_pixmap = None;
    Window created = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(width),
                                   static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                   CopyFromParent, CWEventMask | CWBackPixmap, &attributes);
    if (X11ErrorHandler::syncFailed(display) || created == None)
        return;
    window = created;
    // Memory running out half way leaves no window behind.
    try {
        setXEmbedInfo(display, window);
        XMapWindow(display, window);
        backBuffer = std::make_unique<X11BackBuffer>(display, window, width, height);
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

void X11Window::dispatch(XEvent& event)
{
    if (backBuffer && backBuffer->takeCompletion(event))
        return;
    if (textEntry && event.xany.window == textEntry->getWindow()) {
        textEntry->handleEvent(event);
        return;
    }
    if (event.xany.window != window)
        return;
    switch (event.type) {
    case Expose:
        invalidRect(CRect(event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                          event.xexpose.y + event.xexpose.height));
        break;
    case ButtonPress:
        buttonPressed(event.xbutton);
        break;
    case ButtonRelease:
        buttonReleased(event.xbutton);
        break;
    case MotionNotify:
        listener->windowMouseMoved(CPoint(event.xmotion.x, event.xmotion.y),
                                   buttonsOf(event.xmotion.state));
        break;
    case EnterNotify:
        // The pointer can come over the window without moving (the window
        // moved, a grab ended): reported as a move to where it now is.
        listener->windowMouseMoved(CPoint(event.xcrossing.x, event.xcrossing.y),
                                   buttonsOf(event.xcrossing.state));
        break;
    case LeaveNotify:
        // Moving into a child window (the text entry) is not leaving; while
        // the pointer is captured the leave is reported when the grab ends.
        if (event.xcrossing.detail == NotifyInferior || event.xcrossing.mode == NotifyGrab ||
            captured || !leaveTracked)
            break;
        leaveTracked = false;
        listener->windowMouseExited(CPoint(event.xcrossing.x, event.xcrossing.y),
                                    buttonsOf(event.xcrossing.state));
        break;
    case VisibilityNotify:
        fullyObscured = event.xvisibility.state == VisibilityFullyObscured;
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == window) {
            window = None;
            listener->windowDestroyed();
        }
        break;
    default:
        break;
    }
}

void X11Window::buttonPressed(const XButtonEvent& event)
{
    CPoint where(event.x, event.y);
    CButtonState modifiers = modifiersOf(event.state);
    switch (event.button) {
    case kWheelUp:
    case kWheelDown:
        listener->windowWheel(where, kMouseWheelAxisY, event.button == kWheelUp ? 1.0f : -1.0f,
                              modifiers);
        return;
    case kWheelLeft:
    case kWheelRight:
        listener->windowWheel(where, kMouseWheelAxisX, event.button == kWheelRight ? 1.0f : -1.0f,
                              modifiers);
        return;
    default:
        break;
    }
    CButtonState bit = buttonBit(event.button);
    if (!bit)
        return;
    lastPressedWindow = this;
    extraButtonsHeld |= bit & (kButton4 | kButton5);
    CButtonState buttons = buttonsOf(event.state) | bit;
    if (isDoubleClick(event))
        buttons |= kDoubleClick;
    if (listener->windowMouseDown(where, buttons) == kMouseEventHandled) {
        captured = true;
    } else if (!captured) {
        // Only a handled press keeps the pointer: give up the implicit grab.
        XUngrabPointer(display, event.time);
    }
}

void X11Window::buttonReleased(const XButtonEvent& event)
{
    CButtonState bit = buttonBit(event.button);
    if (!bit)
        return;
    extraButtonsHeld &= ~bit;
    listener->windowMouseUp(CPoint(event.x, event.y), buttonsOf(event.state) & ~bit);
    if (captured) {
        captured = false;
        XUngrabPointer(display, event.time);
    }
}

// A second press of the same button within the double-click time (500 ms)
// and 4 pixels; a third press starts over.
bool X11Window::isDoubleClick(const XButtonEvent& event)
{
    CPoint where(event.x, event.y);
    bool isDouble = event.button == lastPressButton && event.time - lastPressTime <= Time(systemDoubleClickTime()) &&
                    std::abs(where.x - lastPressWhere.x) <= kDoubleClickDistance &&
                    std::abs(where.y - lastPressWhere.y) <= kDoubleClickDistance;
    lastPressButton = isDouble ? 0 : event.button;
    lastPressTime = event.time;
    lastPressWhere = where;
    return isDouble;
}

CButtonState X11Window::buttonsOf(unsigned int state) const
{
    CButtonState buttons = modifiersOf(state) | extraButtonsHeld;
    if (state & Button1Mask)
        buttons |= kLButton;
    if (state & Button2Mask)
        buttons |= kMButton;
    if (state & Button3Mask)
        buttons |= kRButton;
    return buttons;
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

CPoint X11Window::mouseLocation() const
{
    Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (window == None || !XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &mask))
        return CPoint();
    return CPoint(x, y);
}

CButtonState X11Window::mouseButtons() const
{
    Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (window == None || !XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &mask))
        return extraButtonsHeld;
    return buttonsOf(mask);
}

void X11Window::setCursor(CCursorType type)
{
    static constexpr unsigned int kShapes[] = {
        0, XC_watch, XC_sb_h_double_arrow, XC_sb_v_double_arrow, XC_fleur,
        XC_bottom_left_corner, XC_bottom_right_corner, 0, XC_X_cursor, XC_hand2,
    };
    if (window == None)
        return;
    unsigned int shape = type >= kCursorDefault && type <= kCursorHand ? kShapes[type] : 0;
    shownCursor = None;
    if (shape != 0) {
        Cursor& cursor = cursors[type];
        if (cursor == None)
            cursor = XCreateFontCursor(display, shape);
        shownCursor = cursor;
    }
    if (cursorBlank)
        return;
    if (shownCursor == None)
        XUndefineCursor(display, window);
    else
        XDefineCursor(display, window, shownCursor);
    XFlush(display);
}

X11Window* X11Window::pointerWindow()
{
    if (lastPressedWindow)
        return lastPressedWindow;
    return openWindows.empty() ? nullptr : openWindows.front();
}

void X11Window::setCursorBlank(bool blank)
{
    if (window == None || blank == cursorBlank)
        return;
    cursorBlank = blank;
    if (blank && blankCursor == None) {
        char noBits[1] = {0};
        Pixmap empty = XCreateBitmapFromData(display, window, noBits, 1, 1);
        XColor black{};
        blankCursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
        XFreePixmap(display, empty);
    }
    Cursor cursor = blank ? blankCursor : shownCursor;
    if (cursor == None)
        XUndefineCursor(display, window);
    else
        XDefineCursor(display, window, cursor);
    XFlush(display);
}

// The window that holds the editor: going up from this window, stop at a
// top-level window or at a parent whose size differs by more than 60 pixels.
CPoint X11Window::outerPosition() const
{
    CRect own;
    if (window == None || !geometryOf(display, window, own))
        return CPoint();
    Window current = window;
    CRect currentRect = own;
    for (;;) {
        Window parent = parentOf(display, current);
        CRect parentRect;
        if (parent == None || !geometryOf(display, parent, parentRect) ||
            std::abs(parentRect.width() - own.width()) > 60 ||
            std::abs(parentRect.height() - own.height()) > 60)
            return currentRect.topLeft();
        current = parent;
        currentRect = parentRect;
    }
}

CRect X11Window::parentRect() const
{
    CRect rect;
    Window parent = window == None ? None : parentOf(display, window);
    if (parent != None)
        geometryOf(display, parent, rect);
    return rect;
}

void X11Window::setSize(int32_t newWidth, int32_t newHeight)
{
    if (window == None || newWidth <= 0 || newHeight <= 0)
        return;
    width = newWidth;
    height = newHeight;
    XResizeWindow(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    listener->windowDeviceReplaced();
    backBuffer->resize(width, height);
    damage.setBounds(CRect(0, 0, width, height));
    invalidRect(CRect(0, 0, width, height));
}

std::unique_ptr<NativeTextEntry> X11Window::createTextEntry(const NativeTextEntry::Settings& settings,
                                                            NativeTextEntry::Listener& listener)
{
    if (window == None)
        return nullptr;
    auto entry = std::make_unique<X11TextEntry>(*this, settings, listener);
    if (!entry->isOpen())
        return nullptr;
    return entry;
}

bool X11Window::takeHostKey(const VstKeyCode& key)
{
    return textEntry && textEntry->hostKey(key);
}

} // namespace gui
