// One metering point (before or after the gain stage): envelope, highest
// envelope since the last readout and sum of squares since the last readout,
// for two channel slots of which this mono build feeds slot 0. The audio
// thread updates the values while the editor reads and resets them.
#pragma once

#include <atomic>

#include "engine/TinyFlush.h"

struct Meter {
    static constexpr int kSlots = 2;

    std::atomic<double> envelope[kSlots];
    std::atomic<double> sumOfSquares[kSlots];
    std::atomic<double> peak[kSlots];

    Meter() { clear(); }

    void clear()
    {
        for (int slot = 0; slot < kSlots; ++slot) {
            envelope[slot].store(0.0, std::memory_order_relaxed);
            sumOfSquares[slot].store(0.0, std::memory_order_relaxed);
            peak[slot].store(0.0, std::memory_order_relaxed);
        }
    }

    // Feeds the magnitude a to slot 0. Only the audio thread changes the
    // envelope, so the gain loop holds it in `level` for the length of a block
    // and each update publishes it; peak and sum are read afresh, since a
    // readout resets them. Tiny envelope and sum values are flushed after the
    // update (the peak is not).
    void update(double a, double& level, double attack, double release)
    {
        constexpr auto relaxed = std::memory_order_relaxed;
        if (a > level)
            level = level + (a - level) * attack;
        else
            level = level * release;
        if (level > peak[0].load(relaxed))
            peak[0].store(level, relaxed);
        level = flushTiny(level);
        envelope[0].store(level, relaxed);
        sumOfSquares[0].store(flushTiny(sumOfSquares[0].load(relaxed) + a * a), relaxed);
    }
};
