// The LV2 run() allocates nothing: port changes, blocks in place and not, meter ports.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/engine/CountedAllocation.h"
#include "tests/support/formats/Lv2Harness.h"

namespace tolvo {
namespace {

TEST(Lv2NoAllocation, RunWithChangingPorts)
{
    Lv2Harness lv2;
    ASSERT_TRUE(lv2.ready());
    std::vector<float> in(4096, 0.25f);
    std::vector<float> out(4096, 0.0f);

    armAllocationCounter();
    for (int round = 0; round < 50; ++round) {
        lv2.controls[kPortGain] = static_cast<float>(round % 12) * 9.0f - 90.0f;
        lv2.controls[kPortTrim] = static_cast<float>(round % 7) * 6.0f - 18.0f;
        lv2.controls[kPortPhase] = static_cast<float>(round % 2);
        lv2.controls[kPortMute] = static_cast<float>(round % 3 == 0);
        lv2.controls[kPortBypass] = static_cast<float>(round % 5 == 0);
        lv2.runInto(in, out, round % 2 == 0);
    }
    EXPECT_EQ(disarmAllocationCounter(), 0);
}

} // namespace
} // namespace tolvo
