// Coordinates between the frame and a window drawn at an integer scale:
// rectangles both ways, points left of and above the window, cursor warps
// and text entries.
#include <gtest/gtest.h>

#include "view/platform/ScaledCoordinates.h"

namespace tolvo {

using namespace gui;

TEST(ScaledCoordinatesTest, CoordinatesBetweenOneXAndTheWindow)
{
    EXPECT_EQ(scaledRect(CRect(1, 2, 3, 4), 3), CRect(3, 6, 9, 12));
    EXPECT_EQ(unscaledCover(CRect(3, 6, 10, 12), 3), CRect(1, 2, 4, 4));
    EXPECT_EQ(unscaledCover(CRect(-1, 0, 1, 2), 2), CRect(-1, 0, 1, 1));
    EXPECT_EQ(unscaledCoordinate(5, 2), 2);
    EXPECT_EQ(unscaledCoordinate(-5, 2), -3);
}

TEST(ScaledCoordinatesTest, CursorWarpsScaleTheOffsetFromThePositionRead)
{
    const CPoint read(1000, 700);
    EXPECT_EQ(warpedCursor(read, read, 3), read) << "put back where it was read";
    EXPECT_EQ(warpedCursor(read, CPoint(1000, 650), 2), CPoint(1000, 600));
    EXPECT_EQ(warpedCursor(read, CPoint(1004, 710), 3), CPoint(1012, 730));
    EXPECT_EQ(warpedCursor(read, CPoint(1004, 710), 1), CPoint(1004, 710));
}

TEST(ScaledCoordinatesTest, TextEntriesTakeTheScaledFieldAndFont)
{
    NativeTextEntry::Settings field;
    field.rect = CRect(90, 447, 150, 466);
    field.text = "0";
    field.fontName = "Arial";
    field.fontHeight = 14;
    field.align = kRightText;
    const NativeTextEntry::Settings entry = scaledEntrySettings(field, 2);
    EXPECT_EQ(entry.rect, CRect(180, 894, 300, 932));
    EXPECT_EQ(entry.fontHeight, 28);
    EXPECT_STREQ(entry.text, "0");
    EXPECT_STREQ(entry.fontName, "Arial");
    EXPECT_EQ(entry.align, kRightText);
    EXPECT_EQ(scaledEntrySettings(field, 1).rect, field.rect);
}

} // namespace tolvo
