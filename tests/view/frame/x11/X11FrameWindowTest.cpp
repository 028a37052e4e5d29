// What only the Linux window host does: it announces itself to embedding
// hosts, and keys from the host's key opcodes reach an open text entry.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "tests/support/view/FrameHarness.h"
#include "tests/support/view/RecordingView.h"
#include "tests/support/view/ViewTestDoubles.h"
#include "view/CTextEdit.h"

namespace tolvo {

using namespace gui;

namespace {

VstKeyCode characterKey(char character)
{
    VstKeyCode key{};
    key.character = character;
    return key;
}

VstKeyCode virtualKey(unsigned char virt, unsigned char modifier = 0)
{
    VstKeyCode key{};
    key.virt = virt;
    key.modifier = modifier;
    return key;
}

TEST(X11FrameWindowTest, WindowCarriesAMappedXEmbedInfo)
{
    FrameHarness harness;
    ASSERT_TRUE(harness.ready());
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    Atom atom = XInternAtom(display, "_XEMBED_INFO", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    auto window = Window(reinterpret_cast<uintptr_t>(harness.view->getPlatformWindow()->handle()));
    ASSERT_EQ(XGetWindowProperty(display, window, atom, 0, 2, False, atom, &type, &format, &count,
                                 &remaining, &data),
              Success);
    ASSERT_EQ(count, 2u);
    auto* info = reinterpret_cast<long*>(data);
    EXPECT_EQ(info[0], 0) << "protocol version";
    EXPECT_EQ(info[1] & 1, 1) << "mapped flag";
    XFree(data);
    XCloseDisplay(display);
}

TEST(X11FrameWindowTest, HostKeysEditTheOpenEntry)
{
    RecordingListener listener;
    FrameHarness harness;
    ASSERT_TRUE(harness.ready());
    auto* field = new CTextEdit(CRect(10, 10, 90, 30), &listener, 0, "12");
    harness.view->addView(field);
    harness.pump();

    field->takeFocus();
    ASSERT_TRUE(field->isEditing());
    CFrame* frame = harness.view;
    for (char c : std::string("-3.5")) {
        VstKeyCode key = characterKey(c);
        EXPECT_EQ(frame->onKeyDown(key), 1);
    }
    VstKeyCode back = virtualKey(VKEY_BACK);
    EXPECT_EQ(frame->onKeyDown(back), 1);
    VstKeyCode home = virtualKey(VKEY_HOME);
    EXPECT_EQ(frame->onKeyDown(home), 1);
    VstKeyCode del = virtualKey(VKEY_DELETE);
    EXPECT_EQ(frame->onKeyDown(del), 1);
    VstKeyCode enter = virtualKey(VKEY_RETURN);
    EXPECT_EQ(frame->onKeyDown(enter), 1);
    EXPECT_FALSE(field->isEditing());
    EXPECT_STREQ(field->getText(), "3.");
    EXPECT_EQ(listener.values.size(), 1u);
}

// Buttons 6 and 7 turn a horizontal wheel: one notch each, on the X axis,
// which views see with the distance negated.
TEST(X11FrameWindowTest, SideWheelButtonsGiveHorizontalNotches)
{
    FrameHarness harness;
    ASSERT_TRUE(harness.ready());
    std::vector<ViewEvent> log;
    harness.view->addView(new RecordingView(CRect(10, 10, 60, 60), "view", log));
    harness.input->moveTo(CPoint(30, 30));
    harness.pump();
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    for (unsigned int button : {7u, 6u}) {
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
    }
    XSync(display, False);
    XCloseDisplay(display);
    std::vector<float> distances;
    ASSERT_TRUE(harness.pumpUntil([&] {
        distances.clear();
        for (const ViewEvent& event : log) {
            if (event.kind == "wheel")
                distances.push_back(event.distance);
        }
        return distances.size() >= 2;
    }));
    EXPECT_EQ(distances, (std::vector<float>{-1.0f, 1.0f}));
}

} // namespace

} // namespace tolvo
