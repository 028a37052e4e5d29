#include "view/platform/win32/Win32Window.h"

#include <windowsx.h>

#include "view/ModuleHandle.h"
#include "view/platform/win32/Win32TextEntry.h"
#include "view/platform/win32/WindowClass.h"

namespace gui {

namespace {

// Farthest a host window around the editor may differ in size from the
// frame's window and still count as part of the editor.
constexpr LONG kOuterSizeSlack = 60;

CButtonState buttonsOf(WPARAM wParam)
{
    CButtonState buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= kLButton;
    if (wParam & MK_RBUTTON)
        buttons |= kRButton;
    if (wParam & MK_MBUTTON)
        buttons |= kMButton;
    if (wParam & MK_XBUTTON1)
        buttons |= kButton4;
    if (wParam & MK_XBUTTON2)
        buttons |= kButton5;
    if (wParam & MK_SHIFT)
        buttons |= kShift;
    if (wParam & MK_CONTROL)
        buttons |= kControl;
    if (GetKeyState(VK_MENU) < 0)
        buttons |= kAlt;
    return buttons;
}

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

CPoint pointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

LONG widthOf(const RECT& rect)
{
    return rect.right - rect.left;
}

LONG heightOf(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

PlatformWindow* PlatformWindow::create(void* parentWindow, int32_t width, int32_t height,
                                       PlatformWindowListener* listener)
{
    if (!parentWindow || width <= 0 || height <= 0)
        return nullptr;
    auto* window = new Win32Window(static_cast<HWND>(parentWindow), width, height, listener);
    if (!window->isCreated()) {
        delete window;
        return nullptr;
    }
    return window;
}

Win32Window::Win32Window(HWND parent, int32_t width, int32_t height, PlatformWindowListener* listener)
    : listener(listener)
{
    const wchar_t* className = WindowClass::acquire(windowProc);
    if (!className)
        return;
    classAcquired = true;
    // No composited style: under wine such a window shows none of the
    // images and text drawn into it. Paints go through a back buffer instead.
    hwnd = CreateWindowExW(0, className, L"Window",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, width,
                           height, parent, nullptr, static_cast<HINSTANCE>(moduleHandle()), nullptr);
    if (!hwnd)
        return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Window::~Win32Window()
{
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
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    InvalidateRect(hwnd, &area, TRUE);
}

void Win32Window::idle()
{
}

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
            return reinterpret_cast<LRESULT>(entry->answerColourRequest(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_MOUSEMOVE:
        listener->windowMouseMoved(pointOf(lParam), buttonsOf(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        mouseDown(wParam, lParam, 0);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
        mouseDown(wParam, lParam, kDoubleClick);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
        listener->windowMouseUp(pointOf(lParam), buttonsOf(wParam));
        ReleaseCapture();
        return 0;
    case WM_MOUSEWHEEL:
        wheel(wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        listener->windowMouseExited(mouseLocation(), mouseButtons());
        return 0;
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
    for (const CRect& area : painting) {
        if (buffer) {
            listener->windowPaint(buffer, area);
            BitBlt(device, area.left, area.top, area.width(), area.height(), buffer, area.left, area.top,
                   SRCCOPY);
        } else {
            listener->windowPaint(device, area);
        }
    }
    EndPaint(hwnd, &paintStruct);
    DeleteObject(region);
}

void Win32Window::takeUpdateAreas(HRGN region, const RECT& boundingBox)
{
    RECT client;
    GetClientRect(hwnd, &client);
    damage.setBounds(CRect(0, 0, client.right, client.bottom));
    const DWORD size = GetRegionData(region, 0, nullptr);
    regionData.resize(size);
    auto* data = reinterpret_cast<RGNDATA*>(regionData.data());
    if (size >= sizeof(RGNDATAHEADER) && GetRegionData(region, size, data) == size) {
        const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD index = 0; index < data->rdh.nCount; ++index)
            damage.add(CRect(rects[index].left, rects[index].top, rects[index].right, rects[index].bottom));
    }
    if (damage.isEmpty())
        damage.add(CRect(boundingBox.left, boundingBox.top, boundingBox.right, boundingBox.bottom));
    damage.takeInto(painting);
}

HDC Win32Window::backBuffer(HDC windowDevice)
{
    if (bufferDevice)
        return bufferDevice;
    RECT client;
    GetClientRect(hwnd, &client);
    bufferDevice = CreateCompatibleDC(windowDevice);
    bufferBitmap = CreateCompatibleBitmap(windowDevice, client.right, client.bottom);
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

void Win32Window::mouseDown(WPARAM wParam, LPARAM lParam, CButtonState extra)
{
    if (listener->windowMouseDown(pointOf(lParam), buttonsOf(wParam) | extra) == kMouseEventHandled)
        SetCapture(hwnd);
}

// One notch (a delta of 120) is a distance of 1.0; smaller deltas give 0.0.
void Win32Window::wheel(WPARAM wParam, LPARAM lParam)
{
    RECT windowRect;
    GetWindowRect(hwnd, &windowRect);
    CPoint where(GET_X_LPARAM(lParam) - windowRect.left, GET_Y_LPARAM(lParam) - windowRect.top);
    auto distance = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
    listener->windowWheel(where, kMouseWheelAxisY, distance, liveModifiers());
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
    return CPoint(cursor.x - windowRect.left, cursor.y - windowRect.top);
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

// The window that holds the editor: going up from the frame's window, stop at
// a window with a caption, without a parent, or whose parent differs in size
// by more than 60 pixels.
CPoint Win32Window::outerPosition() const
{
    if (!hwnd)
        return CPoint();
    RECT own;
    GetWindowRect(hwnd, &own);
    HWND current = hwnd;
    for (;;) {
        HWND parent = GetParent(current);
        if (!parent || (GetWindowLongW(current, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
            break;
        RECT parentRect;
        GetWindowRect(parent, &parentRect);
        if (std::abs(widthOf(parentRect) - widthOf(own)) > kOuterSizeSlack ||
            std::abs(heightOf(parentRect) - heightOf(own)) > kOuterSizeSlack)
            break;
        current = parent;
    }
    RECT rect;
    GetWindowRect(current, &rect);
    POINT topLeft{rect.left, rect.top};
    if (HWND parent = GetParent(current))
        ScreenToClient(parent, &topLeft);
    return CPoint(topLeft.x, topLeft.y);
}

CRect Win32Window::parentRect() const
{
    HWND parent = hwnd ? GetParent(hwnd) : nullptr;
    if (!parent)
        return CRect();
    RECT rect;
    GetWindowRect(parent, &rect);
    MapWindowPoints(nullptr, GetParent(parent), reinterpret_cast<POINT*>(&rect), 2);
    return CRect(rect.left, rect.top, rect.right, rect.bottom);
}

// Resizes the frame's window and the host windows around it by the same
// amount, up to an MDI client window, a captioned window or a few levels.
void Win32Window::setSize(int32_t width, int32_t height)
{
    if (!hwnd)
        return;
    dropBackBuffer();
    RECT own;
    GetWindowRect(hwnd, &own);
    const int dx = width - widthOf(own), dy = height - heightOf(own);
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    int levels = 2 * GetSystemMetrics(SM_CYDLGFRAME);
    for (HWND window = GetParent(hwnd); window && levels-- > 0; window = GetParent(window)) {
        wchar_t className[32] = L"";
        GetClassNameW(window, className, 32);
        if (lstrcmpW(className, L"MDIClient") == 0)
            break;
        RECT rect;
        GetWindowRect(window, &rect);
        SetWindowPos(window, nullptr, 0, 0, widthOf(rect) + dx, heightOf(rect) + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
            break;
    }
}

std::unique_ptr<NativeTextEntry> Win32Window::createTextEntry(const NativeTextEntry::Settings& settings,
                                                              NativeTextEntry::Listener& listener)
{
    if (!hwnd)
        return nullptr;
    auto entry = std::make_unique<Win32TextEntry>(hwnd, settings, listener);
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
