// The frame's window on Windows: creation, messages, painting through a back
// buffer, the pointer, and resizing with the host windows around it.
#include "view/platform/win32/Win32Window.h"

#include "view/ModuleHandle.h"
#include "view/platform/ScaledCoordinates.h"
#include "view/platform/win32/Win32TextEntry.h"
#include "view/platform/win32/WindowClass.h"

namespace gui {

namespace {

CButtonState liveModifiers()
{
    CButtonState buttons = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        buttons |= kShift;
    if (GetKeyState(VK_CONTROL) < 0)
        buttons |= kControl;
    if (GetKeyState(VK_MENU) < 0)
        buttons |= kAlt;
    return buttons;
}

} // namespace

PlatformWindow* PlatformWindow::create(void* parentWindow, int32_t width, int32_t height,
                                       double hostScale, PlatformWindowListener* listener)
{
    if (!parentWindow || width <= 0 || height <= 0)
        return nullptr;
    const auto parent = static_cast<HWND>(parentWindow);
    auto* window = new Win32Window(
        parent, width, height, Win32Window::scaleForParent(parent, height, hostScale), listener);
    if (!window->isCreated()) {
        delete window;
        return nullptr;
    }
    return window;
}

Win32Window::Win32Window(HWND parent, int32_t width, int32_t height, int32_t windowScale,
                         PlatformWindowListener* listener)
    : listener(listener)
{
    scale = windowScale;
    const wchar_t* className = WindowClass::acquire(windowProc);
    if (!className)
        return;
    classAcquired = true;
    // No composited style: under wine such a window shows none of the
    // images and text drawn into it. Paints go through a back buffer instead.
    hwnd = CreateWindowExW(0, className, L"Window",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                           width * scale, height * scale, parent, nullptr,
                           static_cast<HINSTANCE>(moduleHandle()), nullptr);
    if (!hwnd)
        return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Window::~Win32Window()
{
    if (lastPressedWindow == this)
        lastPressedWindow = nullptr;
    showHiddenPointer();
    if (defaultCursorStored)
        SetCursor(defaultCursor);
    dropBackBuffer();
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
    if (classAcquired)
        WindowClass::release();
}

void* Win32Window::handle() const
{
    return hwnd;
}

void Win32Window::invalidRect(const CRect& rect)
{
    if (!hwnd)
        return;
    const CRect shown = scaledRect(rect, scale);
    RECT area{shown.left, shown.top, shown.right, shown.bottom};
    InvalidateRect(hwnd, &area, TRUE);
}

void Win32Window::idle()
{}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->handleMessage(message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY: {
        HWND destroyed = hwnd;
        showHiddenPointer();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd = nullptr;
        listener->windowDestroyed();
        return DefWindowProcW(destroyed, message, wParam, lParam);
    }
    case WM_CTLCOLOREDIT:
        if (Win32TextEntry* entry = Win32TextEntry::fromEdit(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(
                entry->answerColourRequest(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
    case WM_MOUSELEAVE:
        deliver(translateWin32Message(message, wParam, lParam, scale));
        return 0;
    case WM_MOUSEWHEEL:
        deliver(translateWin32Message(message, wParam, lParam, scale));
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Window::paint()
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetUpdateRgn(hwnd, region, FALSE) == NULLREGION) {
        // A WM_PAINT that is never validated comes back at once, forever: the
        // message loop would never run dry.
        ValidateRect(hwnd, nullptr);
        DeleteObject(region);
        return;
    }
    PAINTSTRUCT paintStruct;
    HDC device = BeginPaint(hwnd, &paintStruct);
    takeUpdateAreas(region, paintStruct.rcPaint);
    HDC buffer = backBuffer(device);
    if (scale > 1)
        SetStretchBltMode(device, COLORONCOLOR);
    for (const CRect& area : painting) {
        if (buffer) {
            listener->windowPaint(buffer, area);
            copyToWindow(device, buffer, area);
        } else if (scale == 1) {
            // Without a back buffer only a 1× picture can be drawn directly; a
            // scaled window keeps the area as it was, and the next paint tries
            // for a buffer again.
            listener->windowPaint(device, area);
        }
    }
    EndPaint(hwnd, &paintStruct);
    DeleteObject(region);
}

// The region's rectangles are window pixels; the frame paints the 1× areas
// that cover them.
void Win32Window::takeUpdateAreas(HRGN region, const RECT& boundingBox)
{
    damage.setBounds(frameBounds());
    const DWORD size = GetRegionData(region, 0, nullptr);
    regionData.resize(size);
    auto* data = reinterpret_cast<RGNDATA*>(regionData.data());
    if (size >= sizeof(RGNDATAHEADER) && GetRegionData(region, size, data) == size) {
        const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD index = 0; index < data->rdh.nCount; ++index)
            damage.add(unscaledCover(
                CRect(rects[index].left, rects[index].top, rects[index].right, rects[index].bottom),
                scale));
    }
    if (damage.isEmpty())
        damage.add(unscaledCover(
            CRect(boundingBox.left, boundingBox.top, boundingBox.right, boundingBox.bottom),
            scale));
    damage.takeInto(painting);
}

CRect Win32Window::frameBounds() const
{
    RECT client;
    GetClientRect(hwnd, &client);
    return unscaledCover(CRect(0, 0, client.right, client.bottom), scale);
}

// At 1× a plain copy; above, every pixel becomes an N × N block (COLORONCOLOR
// keeps the stretch nearest-neighbour).
void Win32Window::copyToWindow(HDC windowDevice, HDC buffer, const CRect& area)
{
    if (scale == 1) {
        BitBlt(windowDevice, area.left, area.top, area.width(), area.height(), buffer, area.left,
               area.top, SRCCOPY);
        return;
    }
    const CRect shown = scaledRect(area, scale);
    StretchBlt(windowDevice, shown.left, shown.top, shown.width(), shown.height(), buffer,
               area.left, area.top, area.width(), area.height(), SRCCOPY);
}

HDC Win32Window::backBuffer(HDC windowDevice)
{
    if (bufferDevice)
        return bufferDevice;
    const CRect bounds = frameBounds();
    bufferDevice = CreateCompatibleDC(windowDevice);
    bufferBitmap = CreateCompatibleBitmap(windowDevice, bounds.width(), bounds.height());
    if (!bufferDevice || !bufferBitmap) {
        dropBackBuffer();
        return nullptr;
    }
    bufferOldBitmap = SelectObject(bufferDevice, bufferBitmap);
    return bufferDevice;
}

void Win32Window::dropBackBuffer()
{
    if (bufferDevice)
        listener->windowDeviceReplaced();
    if (bufferDevice && bufferOldBitmap)
        SelectObject(bufferDevice, bufferOldBitmap);
    if (bufferBitmap)
        DeleteObject(bufferBitmap);
    if (bufferDevice)
        DeleteDC(bufferDevice);
    bufferDevice = nullptr;
    bufferBitmap = nullptr;
    bufferOldBitmap = nullptr;
}

void Win32Window::deliver(const Win32Input& input)
{
    // Alt is not in the message; it is read as the message is handled.
    const CButtonState alt = GetKeyState(VK_MENU) < 0 ? kAlt : 0;
    switch (input.kind) {
    case Win32Input::kMoved:
        listener->windowMouseMoved(input.where, input.buttons | alt);
        break;
    case Win32Input::kPressed:
        lastPressedWindow = this;
        if (listener->windowMouseDown(input.where, input.buttons | alt) == kMouseEventHandled)
            SetCapture(hwnd);
        break;
    case Win32Input::kReleased:
        listener->windowMouseUp(input.where, input.buttons | alt);
        ReleaseCapture();
        break;
    case Win32Input::kWheel: {
        RECT windowRect;
        GetWindowRect(hwnd, &windowRect);
        const CPoint where =
            unscaledPoint(input.where.x - windowRect.left, input.where.y - windowRect.top, scale);
        listener->windowWheel(where, kMouseWheelAxisY, input.distance, liveModifiers());
        break;
    }
    case Win32Input::kLeft:
        listener->windowMouseExited(mouseLocation(), mouseButtons());
        break;
    case Win32Input::kIgnored:
        break;
    }
}

void Win32Window::trackMouseLeave()
{
    if (!hwnd)
        return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd;
    track.dwHoverTime = HOVER_DEFAULT;
    TrackMouseEvent(&track);
}

CPoint Win32Window::mouseLocation() const
{
    POINT cursor{};
    RECT windowRect{};
    GetCursorPos(&cursor);
    if (hwnd)
        GetWindowRect(hwnd, &windowRect);
    return unscaledPoint(cursor.x - windowRect.left, cursor.y - windowRect.top, scale);
}

// The live buttons: the physical left button is the logical right one when the
// system swaps them.
CButtonState Win32Window::mouseButtons() const
{
    bool swapped = WindowClass::buttonsSwapped();
    CButtonState buttons = liveModifiers();
    if (GetAsyncKeyState(VK_LBUTTON) < 0)
        buttons |= swapped ? kRButton : kLButton;
    if (GetAsyncKeyState(VK_RBUTTON) < 0)
        buttons |= swapped ? kLButton : kRButton;
    if (GetAsyncKeyState(VK_MBUTTON) < 0)
        buttons |= kMButton;
    return buttons;
}

void Win32Window::setCursor(CCursorType type)
{
    static const LPCWSTR kCursors[] = {
        nullptr,
        reinterpret_cast<LPCWSTR>(IDC_WAIT),
        reinterpret_cast<LPCWSTR>(IDC_SIZEWE),
        reinterpret_cast<LPCWSTR>(IDC_SIZENS),
        reinterpret_cast<LPCWSTR>(IDC_SIZEALL),
        reinterpret_cast<LPCWSTR>(IDC_SIZENESW),
        reinterpret_cast<LPCWSTR>(IDC_SIZENWSE),
        nullptr,
        reinterpret_cast<LPCWSTR>(IDC_NO),
        reinterpret_cast<LPCWSTR>(IDC_HAND),
    };
    if (!defaultCursorStored) {
        defaultCursor = GetCursor();
        defaultCursorStored = true;
    }
    LPCWSTR name = type >= kCursorDefault && type <= kCursorHand ? kCursors[type] : nullptr;
    SetCursor(name ? LoadCursorW(nullptr, name) : defaultCursor);
}

std::unique_ptr<NativeTextEntry>
Win32Window::createTextEntry(const NativeTextEntry::Settings& settings,
                             NativeTextEntry::Listener& listener)
{
    if (!hwnd)
        return nullptr;
    auto entry =
        std::make_unique<Win32TextEntry>(hwnd, scaledEntrySettings(settings, scale), listener);
    if (!entry->isOpen())
        return nullptr;
    return entry;
}

// The edit control has the keyboard focus itself; keys the host forwards are
// not for it.
bool Win32Window::takeHostKey(const VstKeyCode&)
{
    return false;
}

} // namespace gui
