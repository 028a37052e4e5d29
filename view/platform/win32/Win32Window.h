// The frame's window on Windows: a child window of the host's window with a
// window class "Plugin%p" shared by all frames of the module. The window
// procedure turns messages into the listener's mouse, wheel and paint calls
// (painting through a back buffer) and answers the colour requests of an open
// text entry. At a scale above 1 the frame draws at 1× into the back buffer,
// which is copied to the window with every pixel an N × N block, and the
// window's pixels are divided by N on their way in.
#pragma once

#include <vector>
#include <windows.h>

#include "view/PlatformWindow.h"
#include "view/platform/DamageList.h"
#include "view/platform/win32/Win32MessageTranslation.h"

namespace gui {

class Win32Window : public PlatformWindow {
public:
    // `width` and `height` are the frame's 1× size; the window is `scale` times as large.
    Win32Window(HWND parent, int32_t width, int32_t height, int32_t scale,
                PlatformWindowListener* listener);
    ~Win32Window() override;

    // The scale for an editor `height` pixels tall at 1× opening in `parent`
    // (none: the screen's).
    static int32_t scaleForParent(HWND parent, int32_t height, double hostScale);
    // The window the pointer functions serve: the one last pressed, or none.
    static Win32Window* pointerWindow() { return lastPressedWindow; }

    bool isCreated() const { return hwnd != nullptr; }
    HWND getHwnd() const { return hwnd; }

    void* handle() const override;
    void invalidRect(const CRect& rect) override;
    void idle() override;
    void trackMouseLeave() override;
    CPoint mouseLocation() const override;
    CButtonState mouseButtons() const override;
    void setCursor(CCursorType type) override;
    void hidePointer(bool hide) override;
    CPoint outerPosition() const override;
    CRect parentRect() const override;
    void setSize(int32_t width, int32_t height) override;
    std::unique_ptr<NativeTextEntry> createTextEntry(const NativeTextEntry::Settings& settings,
                                                     NativeTextEntry::Listener& listener) override;
    bool takeHostKey(const VstKeyCode& key) override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    // The update region as a few rectangles: the region's own, merged where
    // they lie close, or the paint's bounding box when the region says none.
    void takeUpdateAreas(HRGN region, const RECT& boundingBox);
    // The client area in frame pixels.
    CRect frameBounds() const;
    // Copies a painted area (frame pixels) from the back buffer to the window.
    void copyToWindow(HDC windowDevice, HDC buffer, const CRect& area);
    // A memory device with a bitmap of the frame's size: paints are drawn
    // there and copied to the window in one go, so nothing flickers.
    HDC backBuffer(HDC windowDevice);
    void dropBackBuffer();
    void deliver(const Win32Input& input);
    // Gives back to the thread's cursor counter every hide this window made.
    void showHiddenPointer();

    static inline Win32Window* lastPressedWindow = nullptr;

    HWND hwnd = nullptr;
    PlatformWindowListener* listener;
    HCURSOR defaultCursor = nullptr;
    bool defaultCursorStored = false;
    // Hides this window took from the thread's cursor counter (ShowCursor).
    int32_t pointerHides = 0;
    bool classAcquired = false;
    HDC bufferDevice = nullptr;
    HBITMAP bufferBitmap = nullptr;
    HGDIOBJ bufferOldBitmap = nullptr;
    DamageList damage{CRect()};
    std::vector<CRect> painting;
    std::vector<unsigned char> regionData;
};

} // namespace gui
