#include <windows.h>

#include "tests/support/view/InputInjector.h"

namespace tolvo {

namespace {

class SendInputInjector : public InputInjector {
public:
    explicit SendInputInjector(HWND window) : window(window) {}

    void moveTo(gui::CPoint where) override
    {
        POINT point{where.x, where.y};
        ClientToScreen(window, &point);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG((point.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = LONG((point.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
    }

    void press(MouseButton button) override { sendButton(button, true); }
    void release(MouseButton button) override { sendButton(button, false); }

    void holdShift(bool down) override { holdKey(VK_SHIFT, down); }
    void holdControl(bool down) override { holdKey(VK_CONTROL, down); }
    void holdAlt(bool down) override { holdKey(VK_MENU, down); }

    void wheel(int delta) override
    {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.mouseData = DWORD(delta);
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        SendInput(1, &input, sizeof input);
    }

    bool hasFineWheel() const override { return true; }

    void type(const char* text) override
    {
        for (; *text; ++text) {
            INPUT inputs[2] = {};
            for (int i = 0; i < 2; ++i) {
                inputs[i].type = INPUT_KEYBOARD;
                inputs[i].ki.wScan = WORD(static_cast<unsigned char>(*text));
                inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, inputs, sizeof(INPUT));
        }
    }

    void press(EditKey key) override
    {
        INPUT inputs[2] = {};
        for (int i = 0; i < 2; ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wVk = key == EditKey::Return ? VK_RETURN : VK_ESCAPE;
            inputs[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(2, inputs, sizeof(INPUT));
    }

private:
    static void holdKey(WORD key, bool down)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
    }

    static void sendButton(MouseButton button, bool down)
    {
        INPUT input{};
        input.type = INPUT_MOUSE;
        switch (button) {
        case MouseButton::Left:
            input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
            break;
        case MouseButton::Middle:
            input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
            break;
        case MouseButton::Right:
            input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
            break;
        }
        SendInput(1, &input, sizeof input);
    }

    HWND window;
};

} // namespace

std::unique_ptr<InputInjector> InputInjector::create(void* frameWindow)
{
    return std::make_unique<SendInputInjector>(static_cast<HWND>(frameWindow));
}

} // namespace tolvo
