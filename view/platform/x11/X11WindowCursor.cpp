// The frame's window on Linux: its cursor shapes, the blank cursor, and the
// window the cursor functions use.
#include <X11/cursorfont.h>

#include "view/platform/x11/X11Window.h"

namespace gui {

void X11Window::setCursor(CCursorType type)
{
    static constexpr unsigned int kShapes[] = {
        0,
        XC_watch,
        XC_sb_h_double_arrow,
        XC_sb_v_double_arrow,
        XC_fleur,
        XC_bottom_left_corner,
        XC_bottom_right_corner,
        0,
        XC_X_cursor,
        XC_hand2,
    };
    if (window == None)
        return;
    unsigned int shape = type >= kCursorDefault && type <= kCursorHand ? kShapes[type] : 0;
    shownCursor = None;
    if (shape != 0) {
        Cursor& cursor = cursors[type];
        if (cursor == None)
            cursor = XCreateFontCursor(display, shape);
        shownCursor = cursor;
    }
    if (cursorBlank)
        return;
    if (shownCursor == None)
        XUndefineCursor(display, window);
    else
        XDefineCursor(display, window, shownCursor);
    XFlush(display);
}

X11Window* X11Window::pointerWindow()
{
    if (lastPressedWindow)
        return lastPressedWindow;
    return openWindows.empty() ? nullptr : openWindows.front();
}

void X11Window::setCursorBlank(bool blank)
{
    if (window == None || blank == cursorBlank)
        return;
    cursorBlank = blank;
    if (blank && blankCursor == None) {
        char noBits[1] = {0};
        Pixmap empty = XCreateBitmapFromData(display, window, noBits, 1, 1);
        XColor black{};
        blankCursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
        XFreePixmap(display, empty);
    }
    Cursor cursor = blank ? blankCursor : shownCursor;
    if (cursor == None)
        XUndefineCursor(display, window);
    else
        XDefineCursor(display, window, cursor);
    XFlush(display);
}

} // namespace gui
