// One metering point (before or after the gain stage) as the editor reads it:
// envelope, highest envelope since the last readout and sum of squares since
// the last readout, for two channel slots of which this mono build feeds
// slot 0. The audio thread works on a MeterBlock for the length of a block and
// publishes it here at the end; the editor reads and resets the values.
#pragma once

#include <atomic>

#include "engine/MeterBlock.h"
#include "rules/MeterReadout.h"

struct Meter {
    static constexpr int kSlots = kReadoutSlots;

    std::atomic<double> envelope[kSlots];
    std::atomic<double> sumOfSquares[kSlots];
    std::atomic<double> peak[kSlots];

    Meter() { clear(); }

    void clear();

    // Slot 0 as a block starts: the envelope and sum go on from their
    // published values, the block's own peak from zero.
    MeterBlock startBlock() const
    {
        const double sum = sumOfSquares[0].load(std::memory_order_relaxed);
        return {envelope[0].load(std::memory_order_relaxed), 0.0, sum, sum};
    }

    // Lock-free hand-over of a finished block that a readout may be resetting
    // at the same moment; no sample is lost or counted twice.
    void publish(const MeterBlock& block);
};
