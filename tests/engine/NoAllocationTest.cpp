// The audio path and the host's parameter calls must not allocate: this
// program counts every operator new while a check is armed.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/engine/CountedAllocation.h"
#include "tests/support/engine/PlugDriver.h"

namespace tolvo {
namespace {

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

    armAllocationCounter();
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
    EXPECT_EQ(disarmAllocationCounter(), 0);
}

TEST(NoAllocation, TheCounterSeesAllocations)
{
    armAllocationCounter();
    delete new PlugDriver;
    EXPECT_GT(disarmAllocationCounter(), 0);
}

} // namespace
} // namespace tolvo
