#include "engine/Metering.h"

#include <cmath>

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

Metering::Levels Metering::levels() const
{
    return {input.envelope[0].load(relaxed), output.envelope[0].load(relaxed)};
}

bool Metering::read(MeterReadout& out)
{
    Meter* const points[] = {&input, &output};
    for (int point = 0; point < 2; ++point) {
        for (int slot = 0; slot < Meter::kSlots; ++slot) {
            const int offset = 2 * point + slot;
            out.values[kReadInputEnvelope + offset] = points[point]->envelope[slot].load(relaxed);
            out.values[kReadInputPeak + offset] = points[point]->peak[slot].load(relaxed);
            points[point]->peak[slot].store(0.0, relaxed);
        }
    }

    const int32_t counted = count.load(relaxed);
    if (counted == 0)
        return false;
    const double k = 1.0 / counted;
    for (int point = 0; point < 2; ++point) {
        for (int slot = 0; slot < Meter::kSlots; ++slot) {
            const double sum = points[point]->sumOfSquares[slot].load(relaxed);
            out.values[kReadInputRms + 2 * point + slot] = std::sqrt(k * sum);
        }
    }
    count.store(0, relaxed);
    for (Meter* point : points)
        for (int slot = 0; slot < Meter::kSlots; ++slot)
            point->sumOfSquares[slot].store(0.0, relaxed);
    return true;
}

void Metering::clear()
{
    input.clear();
    output.clear();
    count.store(0, relaxed);
}
