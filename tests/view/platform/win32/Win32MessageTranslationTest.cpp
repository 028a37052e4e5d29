// Mouse messages of the frame's window as the frame receives them, from
// hand-made messages: kinds, positions (also left of and above the window, and
// divided by the window's scale), buttons and modifiers, double clicks and
// whole wheel notches.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "view/platform/win32/Win32MessageTranslation.h"

namespace tolvo {

using namespace gui;

namespace {

LPARAM pointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)),
                      static_cast<WORD>(static_cast<SHORT>(y)));
}

} // namespace

TEST(Win32MessageTranslationTest, MovesPressesAndReleasesWithTheirButtons)
{
    Win32Input move =
        translateWin32Message(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, pointParam(130, 267));
    EXPECT_EQ(move.kind, Win32Input::kMoved);
    EXPECT_EQ(move.where, CPoint(130, 267));
    EXPECT_EQ(move.buttons, kLButton | kShift);

    Win32Input outside = translateWin32Message(WM_MOUSEMOVE, MK_LBUTTON, pointParam(-4, -20));
    EXPECT_EQ(outside.where, CPoint(-4, -20)) << "a captured drag past the top-left corner";

    Win32Input press =
        translateWin32Message(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, pointParam(1, 2));
    EXPECT_EQ(press.kind, Win32Input::kPressed);
    EXPECT_EQ(press.buttons, kRButton | kControl);

    Win32Input twice = translateWin32Message(WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(1, 2));
    EXPECT_EQ(twice.kind, Win32Input::kPressed);
    EXPECT_EQ(twice.buttons, kLButton | kDoubleClick);

    EXPECT_EQ(translateWin32Message(WM_XBUTTONDOWN, MK_XBUTTON1, 0).buttons, kButton4);
    EXPECT_EQ(translateWin32Message(WM_XBUTTONDOWN, MK_XBUTTON2, 0).buttons, kButton5);
    EXPECT_EQ(translateWin32Message(WM_MBUTTONDOWN, MK_MBUTTON, 0).buttons, kMButton);

    Win32Input release = translateWin32Message(WM_LBUTTONUP, 0, pointParam(5, 6));
    EXPECT_EQ(release.kind, Win32Input::kReleased);
    EXPECT_EQ(release.buttons, 0) << "the released button is no longer held";
}

TEST(Win32MessageTranslationTest, WheelsCountWholeNotchesAtScreenPositions)
{
    Win32Input up = translateWin32Message(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, WHEEL_DELTA * 2),
                                          pointParam(900, 40));
    EXPECT_EQ(up.kind, Win32Input::kWheel);
    EXPECT_EQ(up.distance, 2.0f);
    EXPECT_EQ(up.where, CPoint(900, 40));
    EXPECT_EQ(up.buttons, 0) << "the wheel's modifiers are read live";
    EXPECT_EQ(
        translateWin32Message(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0)
            .distance,
        -1.0f);
    EXPECT_EQ(translateWin32Message(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0).distance,
              0.0f);
}

TEST(Win32MessageTranslationTest, WindowPixelsAreDividedByTheScale)
{
    Win32Input move = translateWin32Message(WM_MOUSEMOVE, MK_LBUTTON, pointParam(279, 443), 2);
    EXPECT_EQ(move.where, CPoint(139, 221));
    EXPECT_EQ(move.buttons, kLButton);
    EXPECT_EQ(translateWin32Message(WM_LBUTTONDOWN, MK_LBUTTON, pointParam(794, 1601), 3).where,
              CPoint(264, 533))
        << "the last window pixel is in the last frame pixel";
    EXPECT_EQ(translateWin32Message(WM_LBUTTONUP, 0, pointParam(-1, -7), 3).where, CPoint(-1, -3))
        << "left of and above the window, rounded down";
    Win32Input twice = translateWin32Message(WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(6, 9), 3);
    EXPECT_EQ(twice.where, CPoint(2, 3));
    EXPECT_EQ(twice.buttons, kLButton | kDoubleClick);
    EXPECT_EQ(
        translateWin32Message(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), pointParam(900, 40), 2)
            .where,
        CPoint(900, 40))
        << "wheel positions are screen pixels, scaled once the window's place is known";
}

TEST(Win32MessageTranslationTest, LeavingAndOtherMessages)
{
    EXPECT_EQ(translateWin32Message(WM_MOUSELEAVE, 0, 0).kind, Win32Input::kLeft);
    EXPECT_EQ(translateWin32Message(WM_KEYDOWN, 0, 0).kind, Win32Input::kIgnored);
    EXPECT_EQ(translateWin32Message(WM_PAINT, 0, 0).kind, Win32Input::kIgnored);
}

} // namespace tolvo
