// The input and output meters of an instance, their shared sample count and
// the envelope coefficients of the current ballistics. The gain loop meters a
// block in a Metering::Block and publishes it at the block's end; the editor
// reads and resets the meters through read().
#pragma once

#include <atomic>
#include <cstdint>
#include <limits>

#include "engine/Ballistics.h"
#include "engine/Meter.h"
#include "engine/MeterBlock.h"
#include "rules/MeterReadout.h"

class Metering {
public:
    // Both metering points while the gain loop runs a block.
    struct Block {
        MeterBlock input;
        MeterBlock output;
    };

    Metering() = default;
    Metering(const Metering&) = delete;
    Metering& operator=(const Metering&) = delete;

    void setCoefficients(const MeterCoefficients& coefficients);
    MeterCoefficients coefficients() const;

    Block startBlock() const { return {input.startBlock(), output.startBlock()}; }

    // Before the gain stage. The loop passes the coefficients it read at the
    // start of the block or at the last refresh.
    static void updateInput(double x, Block& block, const MeterCoefficients& k)
    {
        block.input.update(magnitude(x), k.attack, k.release);
    }

    // After the gain stage.
    static void updateOutput(double y, Block& block, const MeterCoefficients& k)
    {
        block.output.update(magnitude(y), k.attack, k.release);
    }

    // Hands over a block of `frames` samples: both meters, then the count.
    // The block is taken by value so that the loop's own copy never has its
    // address taken and can live in registers.
    void publish(Block block, int32_t frames);

    // Envelopes and peaks always; RMS values only when samples were counted
    // since the previous readout. Returns the number of samples the RMS values
    // cover (0: none, RMS values left as they were). Peaks, sums and count
    // restart.
    int32_t read(MeterReadout& out);
    // The envelopes alone, leaving peaks, sums and count to read().
    void readEnvelopes(MeterReadout& out) const;

    // Everything back to silence: envelopes, peaks, sums and count.
    void clear();

private:
    // |s| as s × ±1; a non-finite sample is metered as silence.
    static double magnitude(double s)
    {
        const double a = s * (s > 0.0 ? 1.0 : -1.0);
        return a <= std::numeric_limits<double>::max() ? a : 0.0;
    }

    Meter input;
    Meter output;
    std::atomic<int32_t> count{0};
    std::atomic<double> attack{1.0};
    std::atomic<double> release{0.1};
};
