// X events of the frame's window as the frame receives them, from hand-made
// events: positions divided by the scale (rounding down, also outside the
// window), exposed areas covered, buttons, wheels and leaving told apart.
#include <gtest/gtest.h>

#include "view/platform/x11/X11EventTranslation.h"

namespace tolvo {

using namespace gui;

namespace {

XEvent buttonEvent(int type, unsigned int button, int x, int y, unsigned int state = 0)
{
    XEvent event{};
    event.type = type;
    event.xbutton.button = button;
    event.xbutton.x = x;
    event.xbutton.y = y;
    event.xbutton.state = state;
    return event;
}

XEvent crossingEvent(int type, int x, int y, int detail, int mode)
{
    XEvent event{};
    event.type = type;
    event.xcrossing.x = x;
    event.xcrossing.y = y;
    event.xcrossing.detail = detail;
    event.xcrossing.mode = mode;
    return event;
}

} // namespace

TEST(X11EventTranslationTest, PositionsAreDividedByTheScaleRoundingDown)
{
    XEvent motion{};
    motion.type = MotionNotify;
    motion.xmotion.x = 265;
    motion.xmotion.y = 1067;
    motion.xmotion.state = Button1Mask | ShiftMask;
    X11Input input = translateX11Event(motion, 2);
    EXPECT_EQ(input.kind, X11Input::kMoved);
    EXPECT_EQ(input.where.x, 132);
    EXPECT_EQ(input.where.y, 533);
    EXPECT_EQ(input.buttons, kLButton | kShift);

    input = translateX11Event(motion, 1);
    EXPECT_EQ(input.where.x, 265);
    EXPECT_EQ(input.where.y, 1067);

    // Dragged out past the left and top edges while captured.
    motion.xmotion.x = -1;
    motion.xmotion.y = -3;
    input = translateX11Event(motion, 3);
    EXPECT_EQ(input.where.x, -1);
    EXPECT_EQ(input.where.y, -1);
    motion.xmotion.y = -4;
    EXPECT_EQ(translateX11Event(motion, 3).where.y, -2);
}

TEST(X11EventTranslationTest, ExposedAreasBecomeTheOneXAreaCoveringThem)
{
    XEvent expose{};
    expose.type = Expose;
    expose.xexpose.x = 3;
    expose.xexpose.y = 4;
    expose.xexpose.width = 4;
    expose.xexpose.height = 1;
    X11Input input = translateX11Event(expose, 2);
    EXPECT_EQ(input.kind, X11Input::kExposed);
    EXPECT_EQ(input.area, CRect(1, 2, 4, 3));
    EXPECT_EQ(translateX11Event(expose, 1).area, CRect(3, 4, 7, 5));
    EXPECT_EQ(translateX11Event(expose, 3).area, CRect(1, 1, 3, 2));
}

TEST(X11EventTranslationTest, ButtonsWheelsAndUnknownButtons)
{
    X11Input press = translateX11Event(buttonEvent(ButtonPress, Button1, 20, 41, ControlMask), 2);
    EXPECT_EQ(press.kind, X11Input::kPressed);
    EXPECT_EQ(press.button, kLButton);
    EXPECT_EQ(press.buttons, kControl);
    EXPECT_EQ(press.where, CPoint(10, 20));

    X11Input release = translateX11Event(buttonEvent(ButtonRelease, Button3, 5, 5, Button3Mask), 1);
    EXPECT_EQ(release.kind, X11Input::kReleased);
    EXPECT_EQ(release.button, kRButton);
    EXPECT_EQ(release.buttons, kRButton);

    EXPECT_EQ(translateX11Event(buttonEvent(ButtonPress, 8, 0, 0), 1).button, kButton4);
    EXPECT_EQ(translateX11Event(buttonEvent(ButtonPress, 9, 0, 0), 1).button, kButton5);
    EXPECT_EQ(translateX11Event(buttonEvent(ButtonPress, 12, 0, 0), 1).kind, X11Input::kIgnored);

    X11Input up = translateX11Event(buttonEvent(ButtonPress, 4, 9, 9, Button1Mask | Mod1Mask), 3);
    EXPECT_EQ(up.kind, X11Input::kWheel);
    EXPECT_EQ(up.axis, kMouseWheelAxisY);
    EXPECT_EQ(up.distance, 1.0f);
    EXPECT_EQ(up.buttons, kAlt) << "a wheel reports modifiers only";
    EXPECT_EQ(up.where, CPoint(3, 3));
    EXPECT_EQ(translateX11Event(buttonEvent(ButtonPress, 5, 0, 0), 1).distance, -1.0f);
    X11Input right = translateX11Event(buttonEvent(ButtonPress, 7, 0, 0), 1);
    EXPECT_EQ(right.axis, kMouseWheelAxisX);
    EXPECT_EQ(right.distance, 1.0f);
    EXPECT_EQ(translateX11Event(buttonEvent(ButtonPress, 6, 0, 0), 1).distance, -1.0f);
    EXPECT_EQ(translateX11Event(buttonEvent(ButtonRelease, 4, 0, 0), 1).kind, X11Input::kIgnored)
        << "a wheel's release is no button release";
}

TEST(X11EventTranslationTest, LeavingIntoAChildOrAGrabIsNotLeaving)
{
    X11Input left =
        translateX11Event(crossingEvent(LeaveNotify, 600, 10, NotifyAncestor, NotifyNormal), 2);
    EXPECT_EQ(left.kind, X11Input::kLeft);
    EXPECT_TRUE(left.leftWindow);
    EXPECT_EQ(left.where, CPoint(300, 5));
    EXPECT_FALSE(
        translateX11Event(crossingEvent(LeaveNotify, 0, 0, NotifyInferior, NotifyNormal), 1)
            .leftWindow);
    EXPECT_FALSE(translateX11Event(crossingEvent(LeaveNotify, 0, 0, NotifyAncestor, NotifyGrab), 1)
                     .leftWindow);
    EXPECT_EQ(
        translateX11Event(crossingEvent(EnterNotify, 4, 4, NotifyAncestor, NotifyNormal), 2).kind,
        X11Input::kEntered);
}

TEST(X11EventTranslationTest, VisibilityAndDestruction)
{
    XEvent visibility{};
    visibility.type = VisibilityNotify;
    visibility.xvisibility.state = VisibilityFullyObscured;
    EXPECT_TRUE(translateX11Event(visibility, 1).obscured);
    visibility.xvisibility.state = VisibilityPartiallyObscured;
    EXPECT_FALSE(translateX11Event(visibility, 1).obscured);

    XEvent destroyed{};
    destroyed.type = DestroyNotify;
    destroyed.xdestroywindow.event = 42;
    destroyed.xdestroywindow.window = 42;
    EXPECT_EQ(translateX11Event(destroyed, 1).kind, X11Input::kDestroyed);
    destroyed.xdestroywindow.window = 43;
    EXPECT_EQ(translateX11Event(destroyed, 1).kind, X11Input::kIgnored) << "a child's destruction";

    XEvent other{};
    other.type = KeyPress;
    EXPECT_EQ(translateX11Event(other, 1).kind, X11Input::kIgnored);
}

} // namespace tolvo
