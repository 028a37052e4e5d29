#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <cstdint>

#include "tests/support/view/InputInjector.h"
#include "view/platform/x11/X11Display.h"

namespace tolvo {

namespace {

class XTestInjector : public InputInjector {
public:
    XTestInjector(Display* display, Window window) : display(display), window(window) {}
    ~XTestInjector() override { XCloseDisplay(display); }

    void moveTo(gui::CPoint where) override
    {
        int rootX = 0, rootY = 0;
        Window child = None;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), where.x, where.y, &rootX,
                              &rootY, &child);
        XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
        XSync(display, False);
    }

    void press(MouseButton button) override { fakeButton(buttonNumber(button), True); }
    void release(MouseButton button) override { fakeButton(buttonNumber(button), False); }

    void holdShift(bool down) override { holdKey(XK_Shift_L, down); }
    void holdControl(bool down) override { holdKey(XK_Control_L, down); }
    void holdAlt(bool down) override { holdKey(XK_Alt_L, down); }

    void wheel(int delta) override
    {
        unsigned int button = delta > 0 ? 4 : 5;
        for (int notch = 0; notch < (delta > 0 ? delta : -delta) / 120; ++notch) {
            fakeButton(button, True);
            fakeButton(button, False);
        }
    }

    bool hasFineWheel() const override { return false; }

    void type(const char* text) override
    {
        for (; *text; ++text)
            tapKey(KeySym(static_cast<unsigned char>(*text)));
    }

    void press(EditKey key) override { tapKey(key == EditKey::Return ? XK_Return : XK_Escape); }

private:
    static unsigned int buttonNumber(MouseButton button)
    {
        switch (button) {
        case MouseButton::Left:
            return 1;
        case MouseButton::Middle:
            return 2;
        default:
            return 3;
        }
    }

    void holdKey(KeySym keysym, bool down)
    {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, keysym), down ? True : False,
                          CurrentTime);
        XSync(display, False);
    }

    void tapKey(KeySym keysym)
    {
        KeyCode code = XKeysymToKeycode(display, keysym);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XSync(display, False);
    }

    void fakeButton(unsigned int button, Bool down)
    {
        XTestFakeButtonEvent(display, button, down, CurrentTime);
        XSync(display, False);
    }

    Display* display;
    Window window;
};

} // namespace

std::unique_ptr<InputInjector> InputInjector::create(void* frameWindow)
{
    Display* display = gui::openX11Display();
    if (!display)
        return nullptr;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::make_unique<XTestInjector>(display,
                                           Window(reinterpret_cast<uintptr_t>(frameWindow)));
}

} // namespace tolvo
