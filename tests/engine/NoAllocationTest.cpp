// The audio path and the host's parameter calls must not allocate: this
// program counts every operator new while a check is armed.
#include <gtest/gtest.h>

#include <atomic>

#include "tests/engine/support/PlugDriver.h"
#include "tests/support/CountedAllocation.h"

namespace tolvo {
namespace {

std::atomic<bool>& armed = CountedAllocation::armed;
std::atomic<long>& allocations = CountedAllocation::count;

TEST(NoAllocation, ProcessingAndParameterCalls)
{
    PlugDriver plug;
    std::vector<float> in(4096, 0.25f);
    std::vector<float> out(4096, 0.0f);
    std::vector<double> din(4096, 0.25);
    std::vector<double> dout(4096, 0.0);
    float* inputs[] = {in.data()};
    float* outputs[] = {out.data()};
    double* dinputs[] = {din.data()};
    double* doutputs[] = {dout.data()};
    MeterReadout readout{};
    char text[64] = {};
    void* data = nullptr;

    allocations = 0;
    armed = true;
    for (int round = 0; round < 50; ++round) {
        plug->processReplacing(inputs, outputs, 4096);
        plug->processDoubleReplacing(dinputs, doutputs, 4096);
        plug->process(inputs, outputs, 512);
        for (VstInt32 index = 0; index < kNumParams; ++index) {
            plug->setParameter(index, static_cast<float>(round % 10) / 9.0f);
            plug->getParameter(index);
            plug->getParameterDisplay(index, text);
        }
        plug->setSampleRate(round % 2 ? 48000.0f : 44100.0f);
        plug->getMeters(&readout);
        plug->getChunk(&data, false);
        plug->setChunk(data, 56, false);
        plug->resume();
    }
    armed = false;
    EXPECT_EQ(allocations.load(), 0);
}

TEST(NoAllocation, TheCounterSeesAllocations)
{
    allocations = 0;
    armed = true;
    delete new PlugDriver;
    armed = false;
    EXPECT_GT(allocations.load(), 0);
}

} // namespace
} // namespace tolvo
