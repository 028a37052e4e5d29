// Port values against the instance's normalized parameters: the laws each way, the trim
// range's clamp, switches, silence and the meter readings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/ParameterLaws.h"
#include "formats/lv2/Lv2Ports.h"

namespace tolvo {
namespace {

constexpr int kTrimRanges = 3;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(Lv2Ports, GainPortReadsAsTheGainItNames)
{
    EXPECT_EQ(normalizedFromPort(kParamGain, -90.0f, 2), 0.0f);
    EXPECT_EQ(normalizedFromPort(kParamGain, -200.0f, 2), 0.0f);
    EXPECT_EQ(normalizedFromPort(kParamGain, 0.0f, 2), 0.5f);
    for (float decibels = -89.5f; decibels <= 18.0f; decibels += 0.5f) {
        const float gain = gainFromNormalized(normalizedFromPort(kParamGain, decibels, 2));
        EXPECT_NEAR(20.0 * std::log10(gain), decibels, 1e-4) << decibels;
    }
}

TEST(Lv2Ports, TrimPortIsClampedToTheRangeTheSettingsGive)
{
    EXPECT_EQ(normalizedFromPort(kParamTrim, 36.0f, 0), 1.0f);
    EXPECT_EQ(normalizedFromPort(kParamTrim, -36.0f, 0), 0.0f);
    EXPECT_FLOAT_EQ(normalizedFromPort(kParamTrim, 6.0f, 0), 0.75f);
    EXPECT_FLOAT_EQ(normalizedFromPort(kParamTrim, 6.0f, 2), 42.0f / 72.0f);
    EXPECT_EQ(normalizedFromPort(kParamTrim, 0.0f, 1), 0.5f);
}

TEST(Lv2Ports, SwitchesAndNumbersThatAreNot)
{
    for (VstInt32 index : {kParamPhase, kParamMute, kParamBypass}) {
        EXPECT_EQ(normalizedFromPort(index, 0.49f, 2), 0.0f);
        EXPECT_EQ(normalizedFromPort(index, 0.5f, 2), 1.0f);
        EXPECT_EQ(normalizedFromPort(index, kNaN, 2), 0.0f);
        EXPECT_EQ(portFromNormalized(index, 1.0f, 2), 1.0f);
        EXPECT_EQ(portFromNormalized(index, 0.2f, 2), 0.0f);
    }
    EXPECT_TRUE(std::isnan(normalizedFromPort(kParamGain, kNaN, 2)));
    EXPECT_TRUE(std::isnan(normalizedFromPort(kParamTrim, kNaN, 2)));
}

TEST(Lv2Ports, PortValuesComeBackThroughTheInstance)
{
    EXPECT_EQ(portFromNormalized(kParamGain, 0.0f, 2), kSilenceDecibels);
    EXPECT_EQ(portFromNormalized(kParamGain, 0.5f, 2), 0.0f);
    EXPECT_EQ(portFromNormalized(kParamTrim, 0.5f, 2), 0.0f);
    for (int range = 0; range < kTrimRanges; ++range) {
        const float limit = trimRangeDecibels(range);
        for (float decibels = -limit; decibels <= limit; decibels += 1.5f) {
            const float normalized = normalizedFromPort(kParamTrim, decibels, range);
            EXPECT_NEAR(portFromNormalized(kParamTrim, normalized, range), decibels, 1e-4);
        }
    }
    for (float decibels = -80.0f; decibels <= 18.0f; decibels += 2.0f) {
        const float normalized = normalizedFromPort(kParamGain, decibels, 2);
        EXPECT_NEAR(portFromNormalized(kParamGain, normalized, 2), decibels, 1e-4);
    }
}

TEST(Lv2Ports, LevelsReadInDecibelsDownToTheFloor)
{
    EXPECT_EQ(levelPortValue(1.0), 0.0f);
    EXPECT_NEAR(levelPortValue(0.5), -6.0206f, 1e-4);
    EXPECT_NEAR(levelPortValue(4.0), 12.0412f, 1e-4);
    EXPECT_EQ(levelPortValue(0.0), kSilenceDecibels);
    EXPECT_EQ(levelPortValue(1e-6), kSilenceDecibels);
    EXPECT_EQ(levelPortValue(std::nan("")), kSilenceDecibels);
}

} // namespace
} // namespace tolvo
