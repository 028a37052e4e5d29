// The fader's fine window as values alone: opening, shifting below the top
// gain, following a value, moving the cap and closing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/FineWindow.h"

namespace tolvo {
namespace {

// The gain ratio between the effective value and the base.
double gainRatio(const FineWindow& window, float base)
{
    const double effective = window.effectiveValue(base);
    return std::pow(effective / base, 3.0);
}

TEST(FineWindow, EachRangeWordSpansItsRatioEitherSideOfTheBase)
{
    const struct {
        int32_t word;
        float ratio;
    } ranges[] = {{0, 2.0f}, {1, 4.0f}, {2, 8.0f}, {3, 2.0f}, {5, 8.0f}, {-1, 2.0f}};
    for (const auto& range : ranges) {
        FineWindow window;
        window.open(0.25f, range.word);
        EXPECT_TRUE(window.isOn());
        EXPECT_EQ(window.ratio(), range.ratio) << range.word;
        EXPECT_EQ(window.scale(), 1.0f) << "no shift far below the top";
        EXPECT_EQ(window.place(), 0.5f);
        EXPECT_NEAR(window.effectiveValue(0.25f), 0.25f, 1e-7f);
        window.move(0.5f);
        EXPECT_NEAR(gainRatio(window, 0.25f), range.ratio, 1e-5) << range.word;
        window.move(-1.0f);
        EXPECT_NEAR(gainRatio(window, 0.25f), 1.0 / range.ratio, 1e-6) << range.word;
    }
}

TEST(FineWindow, AWindowNearTheTopIsShiftedSoItsTopIsTheTopGain)
{
    FineWindow window;
    window.open(1.0f, 0);
    EXPECT_EQ(window.scale(), 0.5f);
    EXPECT_FLOAT_EQ(window.place(), 1.0f) << "the cap at the top keeps the base's value";
    EXPECT_NEAR(window.effectiveValue(1.0f), 1.0f, 1e-6f);
    window.move(-1.0f);
    EXPECT_NEAR(gainRatio(window, 1.0f), 0.25, 1e-6) << "the whole window lies below";

    window.open(0.9f, 2);
    EXPECT_NEAR(window.effectiveValue(0.9f), 0.9f, 1e-6f);
    window.move(1.0f);
    EXPECT_LE(window.effectiveValue(0.9f), 1.0f + 1e-6f);
}

TEST(FineWindow, FollowingPutsTheCapWhereTheValueLiesOrRefusesOutside)
{
    FineWindow window;
    window.open(0.5f, 1);
    const float inside = 0.5f * std::cbrt(2.0f);
    ASSERT_TRUE(window.follow(inside, 0.5f));
    EXPECT_NEAR(window.place(), 0.75f, 1e-6f);
    EXPECT_NEAR(window.effectiveValue(0.5f), inside, 1e-6f);

    const float placed = window.place();
    EXPECT_FALSE(window.follow(0.5f * std::cbrt(5.0f), 0.5f)) << "above the window";
    EXPECT_FALSE(window.follow(0.5f * std::cbrt(0.2f), 0.5f)) << "below the window";
    EXPECT_EQ(window.place(), placed) << "a refused value leaves the cap alone";
    EXPECT_TRUE(window.follow(0.5f * std::cbrt(4.0f), 0.5f)) << "the window's top edge";
    EXPECT_EQ(window.place(), 1.0f);
}

TEST(FineWindow, TheCapStaysOnItsTravel)
{
    FineWindow window;
    window.open(0.5f, 0);
    window.move(0.7f);
    EXPECT_EQ(window.place(), 1.0f);
    window.move(-3.0f);
    EXPECT_EQ(window.place(), 0.0f);
    window.centre();
    EXPECT_EQ(window.place(), 0.5f);
    EXPECT_EQ(clampUnit(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(clampUnit(-0.5f), 0.0f);
    EXPECT_EQ(clampUnit(0.25f), 0.25f);
}

TEST(FineWindow, ShuttingKeepsTheEffectiveValueUntilRecentred)
{
    FineWindow window;
    window.open(0.5f, 2);
    window.move(0.25f);
    const float effective = window.effectiveValue(0.5f);
    window.shut(1);
    EXPECT_FALSE(window.isOn());
    EXPECT_EQ(window.rangeWord(), 1);
    EXPECT_EQ(window.effectiveValue(0.5f), effective);
    window.recentre();
    EXPECT_EQ(window.place(), 0.5f);
    EXPECT_EQ(window.scale(), 1.0f);
    EXPECT_EQ(window.effectiveValue(0.0f), 0.0f);
}

} // namespace
} // namespace tolvo
