// The audio thread's working copy of one meter's slot 0 while it runs a block:
// plain variables, so the per-sample updates touch no shared memory.
// Meter::publish hands the result over at the end of the block.
#pragma once

#include "engine/TinyFlush.h"

struct MeterBlock {
    double envelope;     // carried on from the published envelope
    double peak;         // highest envelope in this block
    double sumOfSquares; // the published sum at the start plus this block's squares
    double startSum;     // the published sum at the start of the block

    // Feeds the magnitude a. Tiny envelope and sum values are flushed after
    // the update (the peak is not).
    void update(double a, double attack, double release)
    {
        if (a > envelope)
            envelope = envelope + (a - envelope) * attack;
        else
            envelope = envelope * release;
        if (envelope > peak)
            peak = envelope;
        envelope = flushTiny(envelope);
        sumOfSquares = flushTiny(sumOfSquares + a * a);
    }
};
