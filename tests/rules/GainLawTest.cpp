// The Gain law and its inverses, as the engine and the fader both read them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rules/GainLaw.h"

namespace tolvo {
namespace {

constexpr int kSweepSteps = 1000;

TEST(GainLaw, MarksSitWhereTheFaderAndHostExpectThem)
{
    EXPECT_EQ(gainFromNormalized(0.0f), 0.0f);
    EXPECT_EQ(gainFromNormalized(0.5f), 1.0f) << "0 dB at the middle value";
    EXPECT_EQ(gainFromNormalized(1.0f), kTopGain);
    EXPECT_NEAR(20.0 * std::log10(double(gainFromNormalized(1.0f))), 18.06, 0.005);
    EXPECT_EQ(normalizedFromGain(1.0f), 0.5f);
    EXPECT_EQ(normalizedFromGain(kTopGain), 1.0f);
}

TEST(GainLaw, NormalizedFromGainUndoesTheLawAcrossTheTravel)
{
    for (int step = 0; step <= kSweepSteps; ++step) {
        const float value = float(step) / kSweepSteps;
        const float back = normalizedFromGain(gainFromNormalized(value));
        EXPECT_NEAR(back, value, 2.0f * std::numeric_limits<float>::epsilon()) << value;
    }
}

TEST(GainLaw, GainsWithoutANormalizedValueAreTakenAsSilenceOrKeptAsNaN)
{
    EXPECT_EQ(normalizedFromGain(-1.0f), 0.0f);
    EXPECT_EQ(normalizedFromGain(-0.0f), 0.0f);
    EXPECT_FALSE(std::signbit(normalizedFromGain(-0.0f))) << "no negative zero reaches a block";
    EXPECT_TRUE(std::isnan(normalizedFromGain(std::numeric_limits<float>::quiet_NaN())));
}

TEST(GainLaw, TheFadersLevelIsTheGainOverTheTopGain)
{
    for (int step = 0; step <= kSweepSteps; ++step) {
        const float value = float(step) / kSweepSteps;
        const double level = levelFromNormalized(double(value));
        EXPECT_NEAR(gainFromLevel(level), double(gainFromNormalized(value)), 1e-6) << value;
        EXPECT_EQ(levelFromGain(gainFromLevel(level)), level) << "scaling by 8 is exact";
        EXPECT_NEAR(normalizedFromLevel(float(level)), value, 2e-7f) << value;
        EXPECT_EQ(scaledLevel(1.0, value), level) << value;
        EXPECT_NEAR(scaledLevel(kTopGain, value), gainFromLevel(level), 1e-12) << value;
    }
    EXPECT_EQ(levelFromNormalized(1.0f), 1.0f);
    EXPECT_EQ(levelFromGain(double(kTopGain)), 1.0);
}

TEST(GainLaw, DecibelsBecomeLinearGains)
{
    EXPECT_EQ(gainFromDecibels(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(gainFromDecibels(20.0f), 10.0f);
    EXPECT_FLOAT_EQ(gainFromDecibels(-40.0f), 0.01f);
    EXPECT_NEAR(normalizedFromGain(gainFromDecibels(-6.0206f)), std::cbrt(0.0625f), 1e-6f);
}

} // namespace
} // namespace tolvo
