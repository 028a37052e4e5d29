// A top-level window that plays the host's part for an editor: the plug-in
// opens its editor inside it. Used by tolvo-host and by the frame tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tolvo {

class HostWindow {
public:
    // A shown top-level window with a client area of the given size at (x, y)
    // on the screen, or none when no display is available.
    static std::unique_ptr<HostWindow> create(int32_t width, int32_t height, const char* title,
                                              int32_t x = 0, int32_t y = 0);

    virtual ~HostWindow() = default;

    // What the plug-in gets as its parent: an HWND, or an X11 Window id.
    virtual void* handle() const = 0;
    // Handles the window's own pending events; false once the user closed it.
    virtual bool processEvents() = 0;
    // The client area's pixels as blue, green, red, alpha bytes, rows top to
    // bottom; empty on failure.
    virtual std::vector<uint8_t> capturePixels(int32_t& width, int32_t& height) = 0;

protected:
    HostWindow() = default;
};

} // namespace tolvo
