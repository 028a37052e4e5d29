// One thread processes audio while another sets parameters, changes settings,
// reads the meters and gets and sets the state block. Run under
// ThreadSanitizer, nothing may be reported; in any build the audio stays
// finite, the parameters within range, and the meter readouts together hold
// every sample metered.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <thread>

#include "engine/Metering.h"
#include "tests/support/engine/PlugDriver.h"

namespace tolvo {
namespace {

TEST(Stress, AudioThreadAgainstControlThread)
{
    PlugDriver plug;
    std::atomic<bool> stop{false};
    std::atomic<long> blocks{0};
    std::atomic<bool> audioFinite{true};

    std::thread audio([&] {
        std::vector<float> in(256);
        std::vector<float> out(256);
        std::vector<double> din(256);
        std::vector<double> dout(256);
        for (size_t i = 0; i < in.size(); ++i) {
            in[i] = static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
            din[i] = in[i];
        }
        float* inputs[] = {in.data()};
        float* outputs[] = {out.data()};
        double* dinputs[] = {din.data()};
        double* doutputs[] = {dout.data()};
        while (!stop.load()) {
            plug->processReplacing(inputs, outputs, 256);
            plug->processDoubleReplacing(dinputs, doutputs, 256);
            plug->process(inputs, outputs, 64);
            for (size_t i = 0; i < 64; ++i)
                if (!std::isfinite(out[i]) || !std::isfinite(dout[i]))
                    audioFinite = false;
            blocks.fetch_add(1);
        }
    });

    std::mt19937 random(5);
    std::uniform_real_distribution<float> value(-0.2f, 1.2f);
    MeterReadout readout{};
    char text[64];
    const auto start = std::chrono::steady_clock::now();
    int rounds = 0;
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(700) ||
           blocks.load() < 100) {
        const VstInt32 index = static_cast<VstInt32>(random() % kNumParams);
        plug->setParameter(index, value(random));
        plug->setParameterText(kParamGain, "-3.5");
        plug->getParameterDisplay(index, text);
        plug->getSettings()->set(kSettingBallistics, static_cast<int32_t>(random() % 4));
        plug->getSettings()->set(kSettingTrimRange, static_cast<int32_t>(random() % 3));
        plug->getMeters(&readout);
        for (double level : readout.values)
            ASSERT_TRUE(std::isfinite(level));
        void* data = nullptr;
        ASSERT_EQ(plug->getChunk(&data, false), 56);
        unsigned char copy[56];
        std::memcpy(copy, data, sizeof(copy));
        ASSERT_EQ(plug->setChunk(copy, 56, false), 56);
        if (++rounds % 100 == 0) {
            plug->setSampleRate(rounds % 200 ? 48000.0f : 96000.0f);
            plug->setProgram(0);
        }
        std::this_thread::yield();
    }
    stop = true;
    audio.join();

    EXPECT_TRUE(audioFinite.load());
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        const float current = plug->getParameter(index);
        EXPECT_TRUE(current >= 0.0f && current <= 1.0f);
    }
}

// Blocks of uneven length at constant levels (squares 0.25 in, 0.0625 out,
// so every sum is exact) against readouts as fast as they come: over all
// readouts the counts add up to the samples metered and the sums to their
// squares, however the readouts fell between or into the blocks. The audio
// thread goes on until the reader has taken some hundreds of readouts.
TEST(Stress, MeterReadoutsLoseNoSample)
{
    Metering meters;
    const MeterCoefficients k{1.0, 1.0}; // the envelope and every peak stay at 0.5
    std::atomic<bool> done{false};
    std::atomic<long> readouts{0};
    int64_t metered = 0;

    std::thread audio([&] {
        std::mt19937 random(3);
        for (int block = 0; block < 20000 || readouts.load() < 500; ++block) {
            const int32_t frames = static_cast<int32_t>(1 + random() % 600);
            Metering::Block running = meters.startBlock();
            for (int32_t i = 0; i < frames; ++i) {
                Metering::updateInput(0.5, running, k);
                Metering::updateOutput(-0.25, running, k);
            }
            meters.publish(running, frames);
            metered += frames;
        }
        done = true;
    });

    int64_t counted = 0;
    double inputSquares = 0.0;
    double outputSquares = 0.0;
    auto take = [&] {
        MeterReadout readout{};
        const int32_t n = meters.read(readout);
        EXPECT_TRUE(readout.values[kReadInputPeak] == 0.0 || readout.values[kReadInputPeak] == 0.5);
        if (n == 0)
            return false;
        counted += n;
        inputSquares += readout.values[kReadInputRms] * readout.values[kReadInputRms] * n;
        outputSquares += readout.values[kReadOutputRms] * readout.values[kReadOutputRms] * n;
        ++readouts;
        return true;
    };
    while (!done.load())
        take();
    audio.join();
    while (take()) {
    }

    EXPECT_EQ(counted, metered);
    const double samples = static_cast<double>(metered);
    EXPECT_NEAR(inputSquares, 0.25 * samples, 1e-9 * samples);
    EXPECT_NEAR(outputSquares, 0.0625 * samples, 1e-9 * samples);
}

} // namespace
} // namespace tolvo
