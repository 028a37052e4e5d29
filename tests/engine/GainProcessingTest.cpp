#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/Ballistics.h"
#include "tests/support/engine/PlugDriver.h"

namespace tolvo {
namespace {

// One step of the smoother from gain 1 toward 0, with the float constant 0.005.
constexpr double kFirstStepTowardZero = 1.0 - static_cast<double>(0.005f);

std::vector<float> ramp(size_t n)
{
    std::vector<float> samples(n);
    for (size_t i = 0; i < n; ++i)
        samples[i] = static_cast<float>(i % 97) / 97.0f - 0.5f;
    return samples;
}

// Every sample is +0: equal to zero and without the sign bit.
template <typename Sample>
void expectPositiveZeros(const std::vector<Sample>& samples)
{
    for (Sample sample : samples) {
        ASSERT_EQ(sample, Sample(0));
        ASSERT_FALSE(std::signbit(sample));
    }
}

TEST(GainProcessing, NoFramesTouchNothing)
{
    PlugDriver plug;
    float in[4] = {1, 1, 1, 1};
    float out[4] = {7, 7, 7, 7};
    float* inputs[] = {in};
    float* outputs[] = {out};
    plug->processReplacing(inputs, outputs, 0);
    plug->processReplacing(inputs, outputs, -5);
    plug->process(inputs, outputs, -1);
    double din[1] = {1};
    double dout[1] = {7};
    double* dinputs[] = {din};
    double* doutputs[] = {dout};
    plug->processDoubleReplacing(dinputs, doutputs, 0);
    for (float sample : out)
        EXPECT_EQ(sample, 7.0f);
    EXPECT_EQ(dout[0], 7.0);
    MeterReadout readout{};
    EXPECT_FALSE(plug->getMeters(&readout)) << "no sample may have been counted";
}

TEST(GainProcessing, MissingBuffersAreANoOp)
{
    PlugDriver plug;
    float* none[] = {nullptr};
    plug->processReplacing(nullptr, nullptr, 16);
    plug->processReplacing(none, none, 16);
    plug->process(none, none, 16);
    MeterReadout readout{};
    EXPECT_FALSE(plug->getMeters(&readout));
    EXPECT_FALSE(plug->getMeters(nullptr));
}

TEST(GainProcessing, UnityGainPassesTheSignalExactly)
{
    PlugDriver plug;
    const std::vector<float> input = ramp(3000);
    EXPECT_EQ(plug.process(input), input) << "current and target gain both start at 1";
}

TEST(GainProcessing, FirstStepUsesTheFloatSmoothingConstant)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 0.0f);
    const std::vector<double> out = plug.processDouble({1.0, 1.0});
    EXPECT_EQ(out[0], kFirstStepTowardZero);
    EXPECT_EQ(out[1], kFirstStepTowardZero * kFirstStepTowardZero);
}

TEST(GainProcessing, ResumeSnapsToTheTarget)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 0.25f);
    plug->resume();
    const std::vector<float> input = ramp(500);
    const std::vector<float> out = plug.process(input);
    for (size_t i = 0; i < input.size(); ++i)
        ASSERT_EQ(out[i], input[i] * 0.125f) << i;
}

TEST(GainProcessing, PhaseFlipPassesThroughZeroToTheNegatedInput)
{
    PlugDriver plug;
    plug->setParameter(kParamPhase, 1.0f);
    const std::vector<float> out = plug.process(std::vector<float>(3000, 1.0f));
    for (size_t i = 1; i < 1000; ++i)
        ASSERT_LT(out[i], out[i - 1]);
    EXPECT_GT(out[0], 0.98f);
    EXPECT_LT(out.back(), -0.9999f);
    plug->resume();
    const std::vector<float> input = ramp(300);
    const std::vector<float> settled = plug.process(input);
    for (size_t i = 0; i < input.size(); ++i)
        ASSERT_EQ(settled[i], -input[i]);
}

TEST(GainProcessing, MuteDecaysByHalfAPercentPerSampleToExactZero)
{
    PlugDriver plug;
    plug->setParameter(kParamMute, 1.0f);
    const std::vector<double> out = plug.processDouble(std::vector<double>(919, 1.0));
    for (size_t i = 1; i < out.size(); ++i)
        ASSERT_NEAR(out[i] / out[i - 1], kFirstStepTowardZero, 1e-12);
    EXPECT_NEAR(out.back(), 0.01, 1e-4) << "99 % of a step in about 919 samples";

    plug.feed(1.0f, 150000);
    expectPositiveZeros(plug.processDouble(std::vector<double>(64, 1.0)));
}

TEST(GainProcessing, BypassIsUnityWhateverTheGain)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 0.0f);
    plug->setParameter(kParamPhase, 1.0f);
    plug->setParameter(kParamMute, 1.0f);
    plug->resume();
    EXPECT_EQ(plug.process({0.5f})[0], 0.0f);
    plug->setParameter(kParamBypass, 1.0f);
    const std::vector<float> out = plug.process(std::vector<float>(3000, 0.5f));
    EXPECT_GT(out[0], 0.0f);
    EXPECT_LT(out[0], 0.01f) << "bypass fades in";
    EXPECT_NEAR(out.back(), 0.5f, 1e-5f);
}

TEST(GainProcessing, AccumulatingCallAddsReplacingCallsOverwrite)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 0.25f);
    plug->resume();
    float in[3] = {1.0f, -1.0f, 0.5f};
    float out[3] = {0.25f, 0.25f, 0.25f};
    float* inputs[] = {in};
    float* outputs[] = {out};
    plug->process(inputs, outputs, 3);
    EXPECT_EQ(out[0], 0.375f);
    EXPECT_EQ(out[1], 0.125f);
    EXPECT_EQ(out[2], 0.3125f);
    plug->processReplacing(inputs, outputs, 3);
    EXPECT_EQ(out[0], 0.125f);
    EXPECT_EQ(out[1], -0.125f);
}

TEST(GainProcessing, DoubleCallKeepsDoublePrecisionAndWorksInPlace)
{
    PlugDriver plug;
    double buffer[2] = {1.0 + 1e-12, -0.3};
    double* channels[] = {buffer};
    plug->processDoubleReplacing(channels, channels, 2);
    EXPECT_EQ(buffer[0], 1.0 + 1e-12);
    EXPECT_EQ(buffer[1], -0.3);

    float samples[2] = {0.5f, -0.25f};
    float* floats[] = {samples};
    plug->setParameter(kParamPhase, 1.0f);
    plug->resume();
    plug->processReplacing(floats, floats, 2);
    EXPECT_EQ(samples[0], -0.5f);
    EXPECT_EQ(samples[1], 0.25f);
}

TEST(GainProcessing, SilenceStaysSilent)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 1.0f);
    expectPositiveZeros(plug.process(std::vector<float>(2048, 0.0f)));
}

TEST(GainProcessing, TinyProductsAreFlushedToPositiveZero)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 0.25f);
    plug->resume();
    const double tiny = std::ldexp(1.0, -1020);
    const std::vector<double> out = plug.processDouble({tiny, -tiny, 1e-310, 1.0});
    EXPECT_EQ(out[0], 0.0) << "2^-1023 lies below the flush threshold";
    EXPECT_FALSE(std::signbit(out[1]));
    EXPECT_EQ(out[1], 0.0);
    EXPECT_EQ(out[2], 0.0);
    EXPECT_EQ(out[3], 0.125);
    const std::vector<double> kept = plug.processDouble({std::ldexp(1.0, -1018)});
    EXPECT_EQ(kept[0], std::ldexp(1.0, -1021)) << "exponent field 2 is kept";
}

TEST(GainProcessing, NonFiniteSamplesPassButAreMeteredAsSilence)
{
    PlugDriver plug;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<float> out = plug.process({nan, inf, -inf});
    EXPECT_TRUE(std::isnan(out[0]));
    EXPECT_EQ(out[1], inf);
    EXPECT_EQ(out[2], -inf);
    MeterReadout readout = plug.meters();
    for (double value : readout.values)
        EXPECT_EQ(value, 0.0);

    plug.process({0.5f});
    readout = plug.meters();
    EXPECT_EQ(readout.values[kReadInputEnvelope], 0.5);
    EXPECT_EQ(readout.values[kReadOutputPeak], 0.5);
    EXPECT_EQ(readout.values[kReadInputRms], 0.5);
}

// The envelope's fall over n silent samples after one full-scale sample
// reveals the release coefficient in use.
double releaseInUse(PlugDriver& plug)
{
    plug->resume();
    plug.process({1.0f});
    plug.process(std::vector<float>(100, 0.0f));
    return std::pow(plug.meters().values[kReadInputEnvelope], 1.0 / 100.0);
}

TEST(GainProcessing, SampleRateChangesTheCoefficientsAtOnce)
{
    PlugDriver plug;
    EXPECT_NEAR(releaseInUse(plug), 0.9998260, 1e-7);
    plug->setSampleRate(48000.0f);
    EXPECT_NEAR(releaseInUse(plug), 0.9998401, 1e-7);
}

TEST(GainProcessing, UnusableSampleRatesAreIgnored)
{
    PlugDriver plug;
    plug->setSampleRate(48000.0f);
    for (float rate :
         {std::numeric_limits<float>::quiet_NaN(), 0.0f, -44100.0f,
          std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()})
        plug->setSampleRate(rate);
    EXPECT_EQ(plug->getSampleRate(), 48000.0f);
    EXPECT_NEAR(releaseInUse(plug), 0.9998401, 1e-7);
    plug.feed(0.5f, 4096);
    MeterReadout readout = plug.meters();
    EXPECT_NEAR(readout.values[kReadInputRms], 0.5, 1e-9) << "processing carries on";
}

TEST(GainProcessing, SettingsAreFollowedWithinFourMilliseconds)
{
    // 4 ms at 44.1 kHz is 176.4 samples: the refresh comes with sample 177.
    PlugDriver plug;
    plug->getSettings()->set(kSettingBallistics, kVu);
    plug.process(std::vector<float>(170, 0.0f));
    plug->resume();
    plug.process({1.0f});
    EXPECT_EQ(plug.meters().values[kReadInputEnvelope], 1.0) << "not yet refreshed";

    plug.process(std::vector<float>(10, 0.0f));
    plug->resume();
    plug.process({1.0f});
    EXPECT_NEAR(plug.meters().values[kReadInputEnvelope], 0.0001740, 1e-7);
}

} // namespace
} // namespace tolvo
