#include "view/platform/WindowDevice.h"

#include <windows.h>

namespace gui {

void* acquireWindowDevice(void* window)
{
    return GetDC(static_cast<HWND>(window));
}

void releaseWindowDevice(void* window, void* device)
{
    ReleaseDC(static_cast<HWND>(window), static_cast<HDC>(device));
}

CPoint windowScreenOffset(void* window)
{
    RECT rect;
    if (!GetWindowRect(static_cast<HWND>(window), &rect))
        return {};
    return {rect.left, rect.top};
}

} // namespace gui
