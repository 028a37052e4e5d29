// Where the frame's window on Windows lies among the host's windows, and
// resizing it together with the host windows around it.
#include "view/platform/win32/Win32Window.h"

namespace gui {

namespace {

// Farthest a host window around the editor may differ in size from the
// frame's window and still count as part of the editor.
constexpr LONG kOuterSizeSlack = 60;

LONG widthOf(const RECT& rect)
{
    return rect.right - rect.left;
}

LONG heightOf(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

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

// Resizes the frame's window (to the frame size times the scale) and the host
// windows around it by the same amount, up to an MDI client window, a
// captioned window or a few levels.
void Win32Window::setSize(int32_t frameWidth, int32_t frameHeight)
{
    if (!hwnd)
        return;
    dropBackBuffer();
    const int32_t width = frameWidth * scale, height = frameHeight * scale;
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

} // namespace gui
