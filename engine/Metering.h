// The input and output meters of an instance, their shared sample count and
// the envelope coefficients of the current ballistics. Updated per sample by
// the gain loop, read and reset by the editor through read().
#pragma once

#include <atomic>
#include <cstdint>
#include <limits>

#include "engine/Ballistics.h"
#include "engine/Meter.h"
#include "engine/MeterReadout.h"
#include "engine/SaturatingCount.h"

class Metering {
public:
    // The slot-0 envelopes, which the gain loop holds while it runs a block.
    struct Levels {
        double input;
        double output;
    };

    Metering() = default;
    Metering(const Metering&) = delete;
    Metering& operator=(const Metering&) = delete;

    void setCoefficients(const MeterCoefficients& coefficients);
    MeterCoefficients coefficients() const;
    Levels levels() const;

    // Before the gain stage; advances the sample count. The loop passes the
    // coefficients it read at the start of the block or at the last refresh.
    void updateInput(double x, Levels& held, const MeterCoefficients& k)
    {
        input.update(magnitude(x), held.input, k.attack, k.release);
        count.store(saturatingIncrement(count.load(std::memory_order_relaxed)),
                    std::memory_order_relaxed);
    }

    // After the gain stage.
    void updateOutput(double y, Levels& held, const MeterCoefficients& k)
    {
        output.update(magnitude(y), held.output, k.attack, k.release);
    }

    // Envelopes and peaks always; RMS values only when samples were counted
    // since the previous readout (then true). Peaks, sums and count restart.
    bool read(MeterReadout& out);

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
