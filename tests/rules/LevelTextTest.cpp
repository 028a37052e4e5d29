// The dB texts of the host's parameter display, the readouts and the scale.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "rules/LevelText.h"

namespace tolvo {
namespace {

constexpr size_t kTextCapacity = 16;

std::string decibels(float linear, size_t capacity = kTextCapacity)
{
    char text[kTextCapacity];
    std::memset(text, 'x', sizeof text);
    formatDecibels(linear, text, capacity);
    return text;
}

std::string level(float linear)
{
    char text[kTextCapacity];
    formatLevel(linear, text, sizeof text);
    return text;
}

std::string wholeDecibels(double value)
{
    char text[kTextCapacity];
    formatWholeDecibels(value, text, sizeof text);
    return text;
}

TEST(LevelText, ParameterDisplayNamesSilenceAndUnityAndPrintsTwoDecimals)
{
    EXPECT_EQ(decibels(0.0f), "-oo");
    EXPECT_EQ(decibels(-0.5f), "-oo");
    EXPECT_EQ(decibels(std::numeric_limits<float>::quiet_NaN()), "-oo");
    EXPECT_EQ(decibels(1.0f), "0");
    EXPECT_EQ(decibels(1.0004f), "0") << "within the unity tolerance";
    EXPECT_EQ(decibels(1.001f), "  0.01");
    EXPECT_EQ(decibels(0.5f), " -6.02");
    EXPECT_EQ(decibels(8.0f), " 18.06");
    EXPECT_EQ(decibels(1e-6f), "-120.00");
}

TEST(LevelText, TextsStopAtTheBuffersCapacity)
{
    EXPECT_EQ(decibels(0.5f, 4), " -6");
    EXPECT_EQ(decibels(0.0f, 2), "-");
    char untouched[4] = {'x', 'x', 'x', '\0'};
    formatDecibels(0.5f, untouched, 0);
    formatLevel(0.5f, untouched, 0);
    formatWholeDecibels(-6.0, untouched, 0);
    EXPECT_STREQ(untouched, "xxx");
    formatDecibels(0.5f, nullptr, kTextCapacity);
    formatLevel(0.5f, nullptr, kTextCapacity);
}

TEST(LevelText, ReadoutsShowADashForNoLevelAndUnityAsZeroDecibels)
{
    EXPECT_EQ(level(0.0f), "-");
    EXPECT_EQ(level(-1.0f), "-");
    EXPECT_EQ(level(std::numeric_limits<float>::quiet_NaN()), "-");
    EXPECT_EQ(level(1.0f), "  0.00");
    EXPECT_EQ(level(2.0f), "  6.02");
    EXPECT_EQ(level(0.25f), "-12.04");
}

TEST(LevelText, ScaleLabelsAreWholeDecibelsAndTheLogarithmIsTakenInFloat)
{
    EXPECT_EQ(wholeDecibels(-6.02), "-6");
    EXPECT_EQ(wholeDecibels(18.06), "18");
    EXPECT_EQ(wholeDecibels(0.0), "0");
    EXPECT_EQ(decibelsFromGain(10.0f), 20.0);
    EXPECT_EQ(decibelsFromGain(0.5f), 20.0 * double(std::log10(0.5f)));
    EXPECT_NE(decibelsFromGain(0.3f), 20.0 * std::log10(double(0.3f)))
        << "a double logarithm would move the fader's labels";
}

} // namespace
} // namespace tolvo
