#include "engine/Meter.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

} // namespace

void Meter::clear()
{
    for (int slot = 0; slot < kSlots; ++slot) {
        envelope[slot].store(0.0, relaxed);
        sumOfSquares[slot].store(0.0, relaxed);
        peak[slot].store(0.0, relaxed);
    }
}

void Meter::publish(const MeterBlock& block)
{
    // Only this thread changes the envelope (a clear aside).
    envelope[0].store(block.envelope, relaxed);

    double seenPeak = peak[0].load(relaxed);
    while (block.peak > seenPeak && !peak[0].compare_exchange_weak(seenPeak, block.peak, relaxed)) {
    }

    // Only this thread adds to the sum; a readout or a clear only sets it to
    // 0. So when the sum still holds its value from the start of the block,
    // no readout took anything but a zero, and the block's running sum
    // replaces it: exactly the sample-by-sample result. Otherwise the squares
    // before the block went to that readout, and this block's own squares,
    // the running sum less the start value, go on top of what is there now
    // (exact when the block started from 0, else within the rounding of the
    // earlier sum; never negative; none when the sum was already infinite).
    double seenSum = block.startSum;
    if (sumOfSquares[0].compare_exchange_strong(seenSum, block.sumOfSquares, relaxed))
        return;
    const double squares =
        block.sumOfSquares > block.startSum ? block.sumOfSquares - block.startSum : 0.0;
    while (!sumOfSquares[0].compare_exchange_weak(seenSum, seenSum + squares, relaxed)) {
    }
}
