// The host window on Windows: a plain top-level window with a fixed client
// size; its pixels are read back from the screen. The process is DPI-aware,
// so its windows, the editor's and the pixels read back are physical pixels.
#include <windows.h>

#include "tools/tolvo-host/HostWindow.h"

namespace tolvo {

namespace {

const wchar_t kClassName[] = L"TolvoHostWindow";

using SetDpiAware = BOOL(WINAPI*)();

// Declares the process DPI-aware before its first window, so that the system
// neither stretches its windows nor tells the editor 96 dpi. Looked up rather
// than linked: systems before Vista lack it.
void becomeDpiAware()
{
    const auto setDpiAware = reinterpret_cast<SetDpiAware>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware")));
    if (setDpiAware)
        setDpiAware();
}

LRESULT CALLBACK hostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 1);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class Win32HostWindow : public HostWindow {
public:
    explicit Win32HostWindow(HWND hwnd) : hwnd(hwnd) {}
    ~Win32HostWindow() override { DestroyWindow(hwnd); }

    void* handle() const override { return hwnd; }

    bool processEvents() override
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return GetWindowLongPtrW(hwnd, GWLP_USERDATA) == 0;
    }

    std::vector<uint8_t> capturePixels(int32_t& width, int32_t& height) override
    {
        RECT client;
        GetClientRect(hwnd, &client);
        width = client.right;
        height = client.bottom;
        if (width <= 0 || height <= 0)
            return {};
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC windowDevice = GetDC(hwnd);
        HDC memoryDevice = CreateCompatibleDC(windowDevice);
        HBITMAP bitmap = CreateDIBSection(windowDevice, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        std::vector<uint8_t> pixels;
        if (bitmap && bits) {
            HGDIOBJ old = SelectObject(memoryDevice, bitmap);
            BitBlt(memoryDevice, 0, 0, width, height, windowDevice, 0, 0, SRCCOPY);
            GdiFlush();
            const auto* source = static_cast<const uint8_t*>(bits);
            pixels.assign(source, source + size_t(width) * size_t(height) * 4);
            for (size_t i = 3; i < pixels.size(); i += 4)
                pixels[i] = 0xFF;
            SelectObject(memoryDevice, old);
        }
        if (bitmap)
            DeleteObject(bitmap);
        DeleteDC(memoryDevice);
        ReleaseDC(hwnd, windowDevice);
        return pixels;
    }

private:
    HWND hwnd;
};

} // namespace

std::unique_ptr<HostWindow> HostWindow::create(int32_t width, int32_t height, const char* title,
                                               int32_t x, int32_t y)
{
    becomeDpiAware();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = hostWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, style, FALSE);
    wchar_t wideTitle[64] = L"";
    MultiByteToWideChar(CP_UTF8, 0, title, -1, wideTitle, 64);
    HWND hwnd = CreateWindowExW(0, kClassName, wideTitle, style, x, y, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return nullptr;
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return std::make_unique<Win32HostWindow>(hwnd);
}

} // namespace tolvo
