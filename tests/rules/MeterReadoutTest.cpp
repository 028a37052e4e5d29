// The layout of a meter readout and of the editor's held values.
#include <gtest/gtest.h>

#include <set>

#include "rules/MeterReadout.h"

namespace tolvo {
namespace {

TEST(MeterReadoutLayout, EveryValueHasItsOwnPlaceInsideTheReadout)
{
    std::set<int> places;
    for (int point = 0; point < kNumMeterPoints; ++point) {
        for (int slot = 0; slot < kReadoutSlots; ++slot) {
            for (int place :
                 {envelopeIndex(point, slot), rmsIndex(point, slot), peakIndex(point, slot)}) {
                EXPECT_GE(place, 0);
                EXPECT_LT(place, kNumReadoutValues);
                EXPECT_TRUE(places.insert(place).second) << "point " << point << " slot " << slot;
            }
        }
    }
    EXPECT_EQ(int(places.size()), kNumReadoutValues);
}

// The record hosts and tests know: envelopes, RMS levels, peaks; input
// before output; slot 0 before slot 1.
TEST(MeterReadoutLayout, NamedEntriesKeepTheRecordsOrder)
{
    EXPECT_EQ(kNumReadoutValues, 12);
    EXPECT_EQ(kReadInputEnvelope, 0);
    EXPECT_EQ(kReadOutputEnvelope, 2);
    EXPECT_EQ(kReadInputRms, 4);
    EXPECT_EQ(kReadOutputRms, 6);
    EXPECT_EQ(kReadInputPeak, 8);
    EXPECT_EQ(kReadOutputPeak, 10);
    EXPECT_EQ(envelopeIndex(kInputPoint, 1), 1);
    EXPECT_EQ(peakIndex(kOutputPoint, 1), 11);
    EXPECT_EQ(sizeof(MeterReadout), 12 * sizeof(double));
}

TEST(MeterReadoutLayout, HeldValuesAndTheShownHoldsDoNotOverlap)
{
    std::set<int> held;
    std::set<int> shown;
    for (int quantity = 0; quantity < kNumHeldQuantities; ++quantity) {
        for (int slot = 0; slot < kReadoutSlots; ++slot) {
            for (int point = 0; point < kNumMeterPoints; ++point)
                EXPECT_TRUE(held.insert(heldIndex(quantity, point, slot)).second);
            EXPECT_TRUE(shown.insert(shownHoldIndex(quantity, slot)).second);
        }
    }
    EXPECT_EQ(int(held.size()), kNumHeldValues);
    EXPECT_EQ(*held.rbegin(), kNumHeldValues - 1);
    EXPECT_EQ(int(shown.size()), kNumShownHolds);
    EXPECT_EQ(*shown.rbegin(), kNumShownHolds - 1);
    // The fader's markers: hold 0 is the peak, hold 2 the RMS level.
    EXPECT_EQ(shownHoldIndex(kHeldPeak), 0);
    EXPECT_EQ(shownHoldIndex(kHeldRms), 2);
}

} // namespace
} // namespace tolvo
