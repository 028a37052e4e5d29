// The editor scale on Windows: the host's, else TOLVO_SCALE, else the DPI of
// the host's window (the screen's before there is one) over 96, limited by the
// height of the monitor the editor opens on.
#include "view/platform/EditorScale.h"
#include "view/platform/win32/Win32Window.h"

namespace gui {

namespace {

constexpr char kUserScaleVariable[] = "TOLVO_SCALE";
// Room for any sensible setting; a longer value counts as none.
constexpr DWORD kUserScaleRoom = 8;

using DpiForWindow = UINT(WINAPI*)(HWND);

// GetDpiForWindow came with Windows 10 (1607); older systems and wine may lack
// it, so it is looked up rather than linked. 0 when it is not there.
UINT windowDpi(HWND window)
{
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return window && dpiForWindow ? dpiForWindow(window) : 0;
}

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int32_t screenHeight(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (window && GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return monitor.rcMonitor.bottom - monitor.rcMonitor.top;
    return GetSystemMetrics(SM_CYSCREEN);
}

} // namespace

int32_t Win32Window::scaleForParent(HWND parent, int32_t height, double hostScale)
{
    char userScale[kUserScaleRoom] = "";
    const DWORD length = GetEnvironmentVariableA(kUserScaleVariable, userScale, kUserScaleRoom);
    ScaleSources sources;
    sources.hostScale = hostScale;
    sources.userScale = length > 0 && length < kUserScaleRoom ? userScale : nullptr;
    const UINT dpi = windowDpi(parent);
    sources.screenDpi = dpi > 0 ? dpi : screenDpi();
    sources.screenHeight = screenHeight(parent);
    return chooseEditorScale(sources, height);
}

int32_t PlatformWindow::chooseScale(int32_t height, double hostScale)
{
    return Win32Window::scaleForParent(nullptr, height, hostScale);
}

} // namespace gui
