#include "engine/Metering.h"

#include <cmath>

#include "engine/SaturatingAdd.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

} // namespace

void Metering::setCoefficients(const MeterCoefficients& coefficients)
{
    attack.store(coefficients.attack, relaxed);
    release.store(coefficients.release, relaxed);
}

MeterCoefficients Metering::coefficients() const
{
    return {attack.load(relaxed), release.load(relaxed)};
}

void Metering::publish(Block block, int32_t frames)
{
    input.publish(block.input);
    output.publish(block.output);
    int32_t seen = count.load(relaxed);
    while (!count.compare_exchange_weak(seen, saturatingAdd(seen, frames), relaxed)) {
    }
}

// Each value is taken and reset in one exchange, so a block published at the
// same moment lands whole in this readout or the next. The values are separate
// atomics, though: a block's squares may reach one readout and its count the
// next, which the following readout evens out.
int32_t Metering::read(MeterReadout& out)
{
    readEnvelopes(out);
    Meter* const points[kNumMeterPoints] = {&input, &output};
    for (int point = 0; point < kNumMeterPoints; ++point) {
        for (int slot = 0; slot < Meter::kSlots; ++slot)
            out.values[peakIndex(point, slot)] = points[point]->peak[slot].exchange(0.0, relaxed);
    }

    const int32_t counted = count.exchange(0, relaxed);
    if (counted == 0)
        return 0;
    const double perSample = 1.0 / counted;
    for (int point = 0; point < kNumMeterPoints; ++point) {
        for (int slot = 0; slot < Meter::kSlots; ++slot) {
            const double sum = points[point]->sumOfSquares[slot].exchange(0.0, relaxed);
            out.values[rmsIndex(point, slot)] = std::sqrt(perSample * sum);
        }
    }
    return counted;
}

void Metering::readEnvelopes(MeterReadout& out) const
{
    const Meter* const points[kNumMeterPoints] = {&input, &output};
    for (int point = 0; point < kNumMeterPoints; ++point) {
        for (int slot = 0; slot < Meter::kSlots; ++slot)
            out.values[envelopeIndex(point, slot)] = points[point]->envelope[slot].load(relaxed);
    }
}

void Metering::clear()
{
    input.clear();
    output.clear();
    count.store(0, relaxed);
}
