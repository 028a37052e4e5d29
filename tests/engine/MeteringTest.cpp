#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/Ballistics.h"
#include "engine/SaturatingAdd.h"
#include "engine/TinyFlush.h"
#include "tests/support/engine/PlugDriver.h"

namespace tolvo {
namespace {

TEST(Ballistics, CoefficientsWorkedValues)
{
    const struct {
        int mode;
        double attack44;
        double release44;
        double attack48;
        double release48;
    } rows[] = {
        {kDigitalPpm, 1.0, 0.9998260, 1.0, 0.9998401},
        {kPpm, 0.0072725, 0.9999652, 0.0066836, 0.9999680},
        {kVu, 0.0001740, 0.9999920, 0.0001599, 0.9999927},
        {kBbc, 0.0036429, 0.9999776, 0.0033474, 0.9999794},
    };
    for (const auto& row : rows) {
        const MeterCoefficients at44 = ballisticsCoefficients(row.mode, 44100.0);
        const MeterCoefficients at48 = ballisticsCoefficients(row.mode, 48000.0);
        EXPECT_NEAR(at44.attack, row.attack44, 5e-8) << row.mode;
        EXPECT_NEAR(at44.release, row.release44, 5e-8) << row.mode;
        EXPECT_NEAR(at48.attack, row.attack48, 5e-8) << row.mode;
        EXPECT_NEAR(at48.release, row.release48, 5e-8) << row.mode;
    }
}

TEST(Metering, FreshReadoutHasNoRms)
{
    PlugDriver plug;
    MeterReadout readout;
    for (double& value : readout.values)
        value = -7.0;
    EXPECT_FALSE(plug->getMeters(&readout));
    for (int i = 0; i < kNumReadoutValues; ++i) {
        if (i >= kReadInputRms && i < kReadInputPeak)
            EXPECT_EQ(readout.values[i], -7.0) << i;
        else
            EXPECT_EQ(readout.values[i], 0.0) << i;
    }
}

TEST(Metering, OneFullScaleSampleThenAnEmptyReadout)
{
    PlugDriver plug;
    plug.process({1.0f});
    MeterReadout readout{};
    EXPECT_TRUE(plug->getMeters(&readout));
    EXPECT_EQ(readout.values[kReadInputEnvelope], 1.0);
    EXPECT_EQ(readout.values[kReadInputPeak], 1.0);
    EXPECT_EQ(readout.values[kReadInputRms], 1.0);
    EXPECT_EQ(readout.values[kReadOutputRms], 1.0);

    readout.values[kReadInputRms] = -1.0;
    EXPECT_FALSE(plug->getMeters(&readout));
    EXPECT_EQ(readout.values[kReadInputPeak], 0.0);
    EXPECT_EQ(readout.values[kReadOutputPeak], 0.0);
    EXPECT_EQ(readout.values[kReadInputEnvelope], 1.0) << "envelopes are not reset";
    EXPECT_EQ(readout.values[kReadInputRms], -1.0);
}

TEST(Metering, SineRmsOverWholePeriods)
{
    PlugDriver plug;
    const double amplitude = 0.5;
    const double step = 2.0 * std::acos(-1.0) * 441.0 / 44100.0;
    std::vector<float> sine(4400);
    for (size_t i = 0; i < sine.size(); ++i)
        sine[i] = static_cast<float>(amplitude * std::sin(step * static_cast<double>(i)));
    plug.process(sine);
    const MeterReadout readout = plug.meters();
    EXPECT_NEAR(readout.values[kReadInputRms], amplitude / std::sqrt(2.0), 1e-6);
    EXPECT_NEAR(readout.values[kReadOutputRms], amplitude / std::sqrt(2.0), 1e-6);
    EXPECT_NEAR(readout.values[kReadInputPeak], amplitude, 1e-6);
}

TEST(Metering, DigitalPpmFollowsARisingSignalAndFallsToATenthIn300ms)
{
    PlugDriver plug;
    for (float level : {0.125f, 0.25f, 0.375f, 0.5f, 0.75f, 1.0f}) {
        plug.process({level});
        EXPECT_EQ(plug.meters().values[kReadInputEnvelope], level);
    }
    plug.feed(0.0f, 13230);
    EXPECT_NEAR(plug.meters().values[kReadInputEnvelope], 0.1, 1e-6);
}

TEST(Metering, VuRisesToNinetyPercentIn300ms)
{
    PlugDriver plug;
    plug->getSettings()->set(kSettingBallistics, kVu);
    plug->setSampleRate(44100.0f);
    plug.feed(1.0f, 13230);
    const MeterReadout readout = plug.meters();
    EXPECT_NEAR(readout.values[kReadInputEnvelope], 0.9, 1e-4);
    EXPECT_LT(readout.values[kReadInputPeak], 0.9001) << "the peak follows the envelope";
}

TEST(Metering, OutputGoesSilentWithTheFaderDownWhileInputFollows)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 0.0f);
    plug->resume();
    plug.feed(0.5f, 1000);
    const MeterReadout readout = plug.meters();
    EXPECT_NEAR(readout.values[kReadInputEnvelope], 0.5, 1e-3);
    EXPECT_EQ(readout.values[kReadInputPeak], 0.5);
    EXPECT_EQ(readout.values[kReadInputRms], 0.5);
    EXPECT_EQ(readout.values[kReadOutputEnvelope], 0.0);
    EXPECT_EQ(readout.values[kReadOutputPeak], 0.0);
    EXPECT_EQ(readout.values[kReadOutputRms], 0.0);
}

TEST(Metering, SlotOneIsAlwaysZero)
{
    PlugDriver plug;
    plug.feed(0.9f, 500);
    const MeterReadout readout = plug.meters();
    for (int first : {kReadInputEnvelope, kReadOutputEnvelope, kReadInputRms, kReadOutputRms,
                      kReadInputPeak, kReadOutputPeak})
        EXPECT_EQ(readout.values[first + 1], 0.0) << first;
}

TEST(Metering, BallisticsWordKeepsItsTwoLowBits)
{
    const struct {
        int32_t word;
        double attack;
    } rows[] = {{5, 0.0072725}, {6, 0.0001740}, {-1, 1.0}, {-6, 1.0}, {7, 0.0036429}};
    for (const auto& row : rows) {
        PlugDriver plug;
        plug->getSettings()->set(kSettingBallistics, row.word);
        plug->setSampleRate(44100.0f);
        plug->resume();
        plug.process({1.0f});
        EXPECT_NEAR(plug.meters().values[kReadInputEnvelope], row.attack, 1e-7) << row.word;
    }
}

TEST(Metering, EnvelopesDecayToExactZeroWithoutSubnormals)
{
    PlugDriver plug;
    plug.process({1.0f});
    bool reachedZero = false;
    for (int block = 0; block < 600 && !reachedZero; ++block) {
        plug.feed(0.0f, 10000);
        const MeterReadout readout = plug.meters();
        for (double value : readout.values)
            ASSERT_NE(std::fpclassify(value), FP_SUBNORMAL) << "block " << block;
        reachedZero =
            readout.values[kReadInputEnvelope] == 0.0 && readout.values[kReadOutputEnvelope] == 0.0;
    }
    EXPECT_TRUE(reachedZero);
}

// One metering point updated sample by sample, as a readout describes it.
struct ReferenceMeter {
    double envelope = 0.0;
    double peak = 0.0;
    double sum = 0.0;

    void update(double s, const MeterCoefficients& k)
    {
        const double a = std::fabs(s);
        envelope = a > envelope ? envelope + (a - envelope) * k.attack : envelope * k.release;
        peak = std::max(peak, envelope);
        envelope = flushTiny(envelope);
        sum = flushTiny(sum + a * a);
    }
};

// Blocks of uneven length with readouts between some of them: every readout
// equals sample-by-sample metering to the last bit, however the samples were
// split into blocks.
TEST(Metering, ReadoutsMatchSampleBySampleMeteringOverUnevenBlocks)
{
    PlugDriver plug;
    plug->getSettings()->set(kSettingBallistics, kPpm);
    plug->setParameter(kParamGain, 0.3f);
    const MeterCoefficients k = ballisticsCoefficients(kPpm, 44100.0);
    ReferenceMeter input;
    ReferenceMeter output;
    int32_t count = 0;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> sample(-1.0, 1.0);
    for (int block = 0; block < 400; ++block) {
        std::vector<double> samples(random() % 1500);
        const double level = block % 7 == 0 ? 0.0 : 1.0 / (1 + block % 5);
        for (double& s : samples)
            s = level * sample(random);
        const std::vector<double> result = plug.processDouble(samples);
        for (size_t i = 0; i < samples.size(); ++i) {
            input.update(samples[i], k);
            output.update(result[i], k);
        }
        count += static_cast<int32_t>(samples.size());
        if (random() % 3 != 0)
            continue;
        MeterReadout readout{};
        ASSERT_EQ(plug->getMeters(&readout), count > 0) << block;
        EXPECT_EQ(readout.values[kReadInputEnvelope], input.envelope) << block;
        EXPECT_EQ(readout.values[kReadOutputEnvelope], output.envelope) << block;
        EXPECT_EQ(readout.values[kReadInputPeak], input.peak) << block;
        EXPECT_EQ(readout.values[kReadOutputPeak], output.peak) << block;
        if (count > 0) {
            EXPECT_EQ(readout.values[kReadInputRms], std::sqrt(1.0 / count * input.sum)) << block;
            EXPECT_EQ(readout.values[kReadOutputRms], std::sqrt(1.0 / count * output.sum)) << block;
        }
        input.peak = output.peak = input.sum = output.sum = 0.0;
        count = 0;
    }
}

TEST(Metering, SampleCountSaturatesInsteadOfWrapping)
{
    EXPECT_EQ(saturatingAdd(0, 1), 1);
    EXPECT_EQ(saturatingAdd(7, 4096), 4103);
    EXPECT_EQ(saturatingAdd(INT32_MAX - 10, 10), INT32_MAX);
    EXPECT_EQ(saturatingAdd(INT32_MAX - 10, 11), INT32_MAX);
    EXPECT_EQ(saturatingAdd(INT32_MAX, INT32_MAX), INT32_MAX);
}

TEST(Metering, ResumeClearsTheMeters)
{
    PlugDriver plug;
    plug.feed(0.5f, 100);
    plug->resume();
    MeterReadout readout{};
    EXPECT_FALSE(plug->getMeters(&readout));
    for (double value : readout.values)
        EXPECT_EQ(value, 0.0);
}

} // namespace
} // namespace tolvo
