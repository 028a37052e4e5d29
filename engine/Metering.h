// The input and output meters of an instance, their shared sample count and
// the envelope coefficients of the current ballistics. Updated per sample by
// the gain loop, read and reset by the editor through read().
#pragma once

#include <atomic>
#include <cmath>
#include <cstdint>

#include "engine/Ballistics.h"
#include "engine/Meter.h"
#include "engine/MeterReadout.h"
#include "engine/SaturatingCount.h"

class Metering {
public:
    Metering() = default;
    Metering(const Metering&) = delete;
    Metering& operator=(const Metering&) = delete;

    void setCoefficients(const MeterCoefficients& coefficients);
    MeterCoefficients coefficients() const;

    // Before the gain stage; advances the sample count.
    void updateInput(double x)
    {
        input.update(magnitude(x), attack.load(std::memory_order_relaxed),
                     release.load(std::memory_order_relaxed));
        count.store(saturatingIncrement(count.load(std::memory_order_relaxed)),
                    std::memory_order_relaxed);
    }

    // After the gain stage.
    void updateOutput(double y)
    {
        output.update(magnitude(y), attack.load(std::memory_order_relaxed),
                      release.load(std::memory_order_relaxed));
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
        if (!std::isfinite(s))
            return 0.0;
        return s * (s > 0.0 ? 1.0 : -1.0);
    }

    Meter input;
    Meter output;
    std::atomic<int32_t> count{0};
    std::atomic<double> attack{1.0};
    std::atomic<double> release{0.1};
};
