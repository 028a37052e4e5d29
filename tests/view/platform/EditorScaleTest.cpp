// The editor scale: rounding, the order of the sources, the screen-height
// limit, and reading Xft.dpi out of an X resource string.
#include <gtest/gtest.h>

#include <limits>

#include "view/platform/EditorScale.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr int32_t kEditorHeight = 534;
// Tall enough for the editor at 3× (1602 pixels) within 90 %.
constexpr int32_t kTallScreen = 2160;

int32_t scaleForDpi(double dpi)
{
    ScaleSources sources;
    sources.screenDpi = dpi;
    sources.screenHeight = kTallScreen;
    return chooseEditorScale(sources, kEditorHeight);
}

} // namespace

TEST(EditorScaleTest, FractionalScalesRoundHalvesUpWithinOneToThree)
{
    EXPECT_EQ(roundEditorScale(1.0), 1);
    EXPECT_EQ(roundEditorScale(1.25), 1);
    EXPECT_EQ(roundEditorScale(1.49), 1);
    EXPECT_EQ(roundEditorScale(1.5), 2);
    EXPECT_EQ(roundEditorScale(2.49), 2);
    EXPECT_EQ(roundEditorScale(2.5), 3);
    EXPECT_EQ(roundEditorScale(4.0), 3);
    EXPECT_EQ(roundEditorScale(0.5), 1);
    EXPECT_EQ(roundEditorScale(-2.0), 1);
    EXPECT_EQ(roundEditorScale(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(roundEditorScale(std::numeric_limits<double>::infinity()), 1);
}

TEST(EditorScaleTest, ScreenDpiDividedBy96)
{
    EXPECT_EQ(scaleForDpi(96), 1);
    EXPECT_EQ(scaleForDpi(120), 1);
    EXPECT_EQ(scaleForDpi(144), 2);
    EXPECT_EQ(scaleForDpi(192), 2);
    EXPECT_EQ(scaleForDpi(240), 3);
    EXPECT_EQ(scaleForDpi(288), 3);
    EXPECT_EQ(scaleForDpi(384), 3);
    EXPECT_EQ(scaleForDpi(0), 1);
}

TEST(EditorScaleTest, FirstSourceThatAppliesWins)
{
    ScaleSources sources;
    sources.screenHeight = kTallScreen;
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 1);

    sources.screenDpi = 288;
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 3);
    sources.desktopScale = "2";
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 2) << "GDK_SCALE over Xft.dpi";
    sources.userScale = "1";
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 1) << "TOLVO_SCALE over GDK_SCALE";
    sources.hostScale = 2.5;
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 3) << "the host's scale over all";
}

TEST(EditorScaleTest, UnusableSettingsFallThroughToTheNextSource)
{
    ScaleSources sources;
    sources.screenHeight = kTallScreen;
    sources.screenDpi = 192;
    for (const char* bad : {"", "0", "4", "2.5", "two", "-2", " 3", "3x"}) {
        sources.userScale = bad;
        EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 2) << "TOLVO_SCALE=\"" << bad << '"';
    }
    sources.userScale = nullptr;
    for (const char* bad : {"", "0", "1.5", "x", "-1"}) {
        sources.desktopScale = bad;
        EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 2) << "GDK_SCALE=\"" << bad << '"';
    }
    sources.desktopScale = "5";
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 3) << "a large GDK_SCALE is capped";
    sources.desktopScale = nullptr;
    sources.hostScale = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 2);
    sources.hostScale = -1.0;
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 2);
}

TEST(EditorScaleTest, StepsDownWhileTallerThanNinetyPercentOfTheScreen)
{
    ScaleSources sources;
    sources.userScale = "3";
    sources.screenHeight = 1780; // 90 % = 1602: 3× fits exactly
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 3);
    sources.screenHeight = 1779;
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 2);
    sources.screenHeight = 1080; // 90 % = 972: even 2× (1068) is too tall
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 1);
    sources.screenHeight = 400; // smaller than 1× still gives 1×
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 1);
    sources.screenHeight = 0; // unknown screen: no limit
    EXPECT_EQ(chooseEditorScale(sources, kEditorHeight), 3);
}

TEST(EditorScaleTest, ReadsXftDpiFromResourceStrings)
{
    EXPECT_EQ(xftDpiOf("Xft.dpi:\t192\n"), 192.0);
    EXPECT_EQ(xftDpiOf("Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n"), 144.0);
    EXPECT_EQ(xftDpiOf("Xft.dpi: 120.5"), 120.5);
    EXPECT_EQ(xftDpiOf("Xcursor.size:\t48\n"), 0.0);
    EXPECT_EQ(xftDpiOf("Xft.dpix:\t192\n"), 0.0) << "a longer key is another resource";
    EXPECT_EQ(xftDpiOf("Xft.dpi:\n96\n"), 0.0) << "the value stays on its own line";
    EXPECT_EQ(xftDpiOf("Xft.dpi:\tlarge\n"), 0.0);
    EXPECT_EQ(xftDpiOf("Xft.dpi:\t-96\n"), 0.0);
    EXPECT_EQ(xftDpiOf(""), 0.0);
    EXPECT_EQ(xftDpiOf(nullptr), 0.0);
}

} // namespace tolvo
