// The LV2 instance through its descriptor: renders against the gain law, port changes and
// when they apply, the meter ports, bad input, and the editor's gestures reaching the UI.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "engine/ParameterLaws.h"
#include "tests/support/formats/Lv2Harness.h"

namespace tolvo {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Cycles of this many samples fill the harness's blocks of 512 whole.
constexpr double kSinePeriod = 64.0;

std::vector<float> sine(size_t length, double amplitude)
{
    std::vector<float> samples(length);
    for (size_t n = 0; n < length; ++n)
        samples[n] = static_cast<float>(amplitude * std::sin(2.0 * kPi * n / kSinePeriod));
    return samples;
}

double decibels(double linear)
{
    return 20.0 * std::log10(linear);
}

struct LawCase {
    const char* name;
    float gain, trim, phase, mute, bypass;
    double expectedGain;
};

TEST(Lv2Instance, RendersFollowTheGainLawFromTheFirstSample)
{
    const LawCase cases[] = {
        {"gain -6", -6.0f, 0.0f, 0.0f, 0.0f, 0.0f, std::pow(10.0, -6.0 / 20.0)},
        {"gain 0", 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0},
        {"gain +12", 12.0f, 0.0f, 0.0f, 0.0f, 0.0f, std::pow(10.0, 12.0 / 20.0)},
        {"gain -90", -90.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0},
        {"trim +6", 0.0f, 6.0f, 0.0f, 0.0f, 0.0f, std::pow(10.0, 6.0 / 20.0)},
        {"phase", 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, -1.0},
        {"mute", 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0},
        {"bypass at gain -20", -20.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0},
    };
    const std::vector<float> input = sine(4096, 0.5);
    for (const LawCase& lawCase : cases) {
        Lv2Harness lv2;
        ASSERT_TRUE(lv2.ready());
        lv2.controls[kPortGain] = lawCase.gain;
        lv2.controls[kPortTrim] = lawCase.trim;
        lv2.controls[kPortPhase] = lawCase.phase;
        lv2.controls[kPortMute] = lawCase.mute;
        lv2.controls[kPortBypass] = lawCase.bypass;
        const std::vector<float> output = lv2.run(input);
        for (size_t n = 0; n < input.size(); ++n)
            ASSERT_NEAR(output[n], input[n] * lawCase.expectedGain, 2e-6)
                << lawCase.name << ", sample " << n;
    }
}

TEST(Lv2Instance, BlockSizeAndInPlaceBuffersDoNotChangeTheOutput)
{
    const std::vector<float> input = sine(5000, 0.7);
    std::vector<std::vector<float>> renders;
    for (auto [block, inPlace] : {std::pair{512u, false}, {1u, false}, {4097u, true}}) {
        Lv2Harness lv2;
        lv2.controls[kPortGain] = -3.0f;
        lv2.controls[kPortPhase] = 1.0f;
        renders.push_back(lv2.run(input, block, inPlace));
    }
    EXPECT_EQ(renders[0], renders[1]);
    EXPECT_EQ(renders[0], renders[2]);
}

TEST(Lv2Instance, APortChangeGlidesThroughTheSmoother)
{
    Lv2Harness lv2;
    lv2.run(std::vector<float>(512, 1.0f));
    lv2.controls[kPortGain] = -90.0f;
    const std::vector<float> output = lv2.run(std::vector<float>(2048, 1.0f));
    EXPECT_GT(output.front(), 0.99f);
    EXPECT_LT(output.back(), 0.01f);
    for (size_t n = 1; n < output.size(); ++n)
        ASSERT_LE(output[n], output[n - 1]);
}

TEST(Lv2Instance, APortIsAppliedOnlyWhenItsValueChanges)
{
    Lv2Harness lv2;
    lv2.controls[kPortGain] = -6.0f;
    lv2.runControls();
    const float fromPort = lv2.parameter(kParamGain);
    EXPECT_NEAR(decibels(gainFromNormalized(fromPort)), -6.0, 1e-4);

    // Something other than the port moves the parameter: the unchanged port leaves it.
    lv2.instance().plug().setParameter(kParamGain, 0.3f);
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamGain), 0.3f);

    lv2.controls[kPortGain] = -6.5f;
    lv2.runControls();
    EXPECT_NEAR(decibels(gainFromNormalized(lv2.parameter(kParamGain))), -6.5, 1e-4);
}

TEST(Lv2Instance, TrimPortFollowsTheLiveTrimRange)
{
    Lv2Harness lv2;
    lv2.instance().plug().getSettings()->set(kSettingTrimRange, 0);
    lv2.controls[kPortTrim] = 30.0f;
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamTrim), 1.0f);
    const std::vector<float> output = lv2.run(std::vector<float>(64, 0.25f));
    EXPECT_NEAR(decibels(output.back() / 0.25f), 12.0, 1e-4);
}

TEST(Lv2Instance, NumbersThatAreNotLeaveTheParameters)
{
    Lv2Harness lv2;
    lv2.controls[kPortGain] = -6.0f;
    lv2.controls[kPortTrim] = 3.0f;
    lv2.runControls();
    const float gain = lv2.parameter(kParamGain);
    const float trim = lv2.parameter(kParamTrim);
    lv2.controls[kPortGain] = std::numeric_limits<float>::quiet_NaN();
    lv2.controls[kPortTrim] = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> output = lv2.run(std::vector<float>(64, 0.25f));
    EXPECT_EQ(lv2.parameter(kParamGain), gain);
    EXPECT_EQ(lv2.parameter(kParamTrim), trim);
    for (float sample : output)
        ASSERT_TRUE(std::isfinite(sample));
    lv2.controls[kPortGain] = std::numeric_limits<float>::infinity();
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamGain), 1.0f);

    // Input samples that are not numbers leave the meter ports readable.
    lv2.run({std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()});
    for (uint32_t port : {kPortInputLevel, kPortOutputLevel, kPortInputRms, kPortOutputRms})
        EXPECT_TRUE(std::isfinite(lv2.controls[port])) << port;
}

TEST(Lv2Instance, NoRateNoInstanceButNoMapStillRuns)
{
    EXPECT_FALSE(Lv2Harness(true, 0.0).ready());
    EXPECT_FALSE(Lv2Harness(true, std::nan("")).ready());

    Lv2Harness withoutMap(false);
    ASSERT_TRUE(withoutMap.ready());
    withoutMap.controls[kPortGain] = -6.0f;
    const std::vector<float> output = withoutMap.run(std::vector<float>(64, 1.0f));
    EXPECT_NEAR(output.back(), std::pow(10.0, -6.0 / 20.0), 1e-6);
    EXPECT_EQ(withoutMap.save(), LV2_STATE_ERR_NO_FEATURE);
    EXPECT_TRUE(withoutMap.stored.empty());
}

TEST(Lv2Instance, MeterPortsReadTheSignalWithoutTakingTheEditorsReadout)
{
    Lv2Harness lv2;
    lv2.controls[kPortGain] = -6.0f;
    lv2.run(sine(512 * 64, 0.5));
    const double sineRms = decibels(0.5 / std::sqrt(2.0));
    EXPECT_NEAR(lv2.controls[kPortInputRms], sineRms, 1e-3);
    EXPECT_NEAR(lv2.controls[kPortOutputRms], sineRms - 6.0, 1e-3);
    EXPECT_GT(lv2.controls[kPortInputLevel], -12.0f);
    EXPECT_LE(lv2.controls[kPortInputLevel], decibels(0.5) + 1e-3);
    EXPECT_NEAR(lv2.controls[kPortInputLevel] - lv2.controls[kPortOutputLevel], 6.0, 0.05);

    MeterReadout readout{};
    EXPECT_TRUE(lv2.instance().plug().getMeters(&readout));
    EXPECT_NEAR(decibels(readout.values[kReadInputRms]), sineRms, 0.05);
    EXPECT_NEAR(decibels(readout.values[kReadInputPeak]), decibels(0.5), 0.01);

    lv2.run(std::vector<float>(44100 * 5, 0.0f));
    for (uint32_t port : {kPortInputLevel, kPortOutputLevel, kPortInputRms, kPortOutputRms})
        EXPECT_EQ(lv2.controls[port], kSilenceDecibels) << port;
}

// What the UI would receive from the editor.
class RecordingSink : public Lv2EditorSink {
public:
    void writePort(uint32_t port, float value) override { writes.push_back({port, value}); }
    void touchPort(uint32_t port, bool grabbed) override { touches.push_back({port, grabbed}); }

    std::vector<std::pair<uint32_t, float>> writes;
    std::vector<std::pair<uint32_t, bool>> touches;
};

TEST(Lv2Instance, EditorGesturesReachTheHostsPortAndComeBackUnrounded)
{
    Lv2Harness lv2;
    RecordingSink sink;
    lv2.instance().attachEditorSink(&sink);
    Plug& plug = lv2.instance().plug();

    plug.beginEdit(kParamGain);
    plug.setParameterAutomated(kParamGain, 0.3f);
    ASSERT_EQ(sink.writes.size(), 1u);
    EXPECT_EQ(sink.writes[0].first, kPortGain);
    EXPECT_NEAR(sink.writes[0].second, decibels(8.0 * 0.3 * 0.3 * 0.3), 1e-4);
    // A port value the host still holds from before the gesture does not pull it back.
    lv2.controls[kPortGain] = -20.0f;
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamGain), 0.3f);

    lv2.controls[kPortGain] = sink.writes[0].second;
    plug.endEdit(kParamGain);
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamGain), 0.3f);
    const std::vector<std::pair<uint32_t, bool>> touches = {{kPortGain, true}, {kPortGain, false}};
    EXPECT_EQ(sink.touches, touches);

    // Without a gesture the echo of the editor's write is skipped once, then ports apply.
    plug.setParameterAutomated(kParamPhase, 1.0f);
    lv2.controls[kPortPhase] = sink.writes.back().second;
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamPhase), 1.0f);
    lv2.controls[kPortPhase] = 0.0f;
    lv2.runControls();
    EXPECT_EQ(lv2.parameter(kParamPhase), 0.0f);

    lv2.instance().attachEditorSink(nullptr);
    plug.setParameterAutomated(kParamMute, 1.0f);
    EXPECT_EQ(sink.writes.size(), 2u);
}

// A UI thread gesturing and a sink writing while the audio thread runs blocks with changing
// ports; meant for ThreadSanitizer builds, and a check of the values either way.
TEST(Lv2Instance, EditorThreadAndAudioThreadTogether)
{
    class CountingSink : public Lv2EditorSink {
    public:
        void writePort(uint32_t, float value) override { last.store(value); }
        void touchPort(uint32_t, bool) override { touches.fetch_add(1); }
        std::atomic<float> last{0.0f};
        std::atomic<int> touches{0};
    };
    Lv2Harness lv2;
    CountingSink sink;
    lv2.instance().attachEditorSink(&sink);
    Plug& plug = lv2.instance().plug();
    constexpr int kRounds = 2000;

    std::thread editor([&plug] {
        for (int round = 0; round < kRounds; ++round) {
            const VstInt32 index = round % kNumParams;
            plug.beginEdit(index);
            plug.setParameterAutomated(index, static_cast<float>(round % 11) / 10.0f);
            plug.endEdit(index);
        }
    });
    std::vector<float> input(256, 0.5f);
    std::vector<float> output(256);
    for (int round = 0; round < kRounds; ++round) {
        lv2.controls[kPortGain] = static_cast<float>(round % 30) - 20.0f;
        lv2.controls[kPortPhase] = static_cast<float>(round % 2);
        lv2.runInto(input, output, false, 256);
        for (float sample : output)
            ASSERT_TRUE(std::isfinite(sample));
    }
    editor.join();
    lv2.instance().attachEditorSink(nullptr);
    EXPECT_EQ(sink.touches.load(), 2 * kRounds);
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        const float value = lv2.parameter(index);
        EXPECT_GE(value, 0.0f);
        EXPECT_LE(value, 1.0f);
    }
}

} // namespace
} // namespace tolvo
