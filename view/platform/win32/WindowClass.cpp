#include "view/platform/win32/WindowClass.h"

#include <cwchar>

#include "view/ModuleHandle.h"

namespace gui {

namespace {

wchar_t className[64] = L"";
int useCount = 0;
bool swapped = false;

} // namespace

const wchar_t* WindowClass::acquire(WNDPROC procedure)
{
    if (useCount == 0) {
        auto instance = static_cast<HINSTANCE>(moduleHandle());
        std::swprintf(className, sizeof className / sizeof className[0], L"Plugin%p",
                      static_cast<void*>(instance));
        WNDCLASSW windowClass{};
        windowClass.style = CS_DBLCLKS | CS_GLOBALCLASS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = className;
        // A class left registered by a window the host destroyed is reused.
        if (!RegisterClassW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return nullptr;
        swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    }
    ++useCount;
    return className;
}

void WindowClass::release()
{
    if (useCount > 0 && --useCount == 0)
        UnregisterClassW(className, static_cast<HINSTANCE>(moduleHandle()));
}

bool WindowClass::buttonsSwapped()
{
    return swapped;
}

} // namespace gui
