#include "controls/FaderLaw.h"

#include <cmath>

#include "rules/GainLaw.h"

namespace FaderLaw {

// ln(1/8) / ln(13/22): the level 1/8 (0 dB) at the position 13/22.
const double kExponent = std::log(0.125) / std::log(0.5909090909090909);

float positionToLevel(float position)
{
    return float(std::pow(double(position), kExponent));
}

float levelToPosition(float level)
{
    return float(std::pow(double(level), 1.0 / kExponent));
}

} // namespace FaderLaw

MeterRows::MeterRows()
{
    // Zone boundaries at +6 dB (gain 2) and 0 dB (gain 1); the last row
    // closes the bottom zone. A boundary row is written again, with weight
    // 1, as the first row of the zone below.
    const int32_t lastRow = kCount - 1;
    float previous = kTopGain;
    int32_t currentZone = 3;
    int32_t zoneStart = 0;
    for (int32_t row = 0; row < kCount; ++row) {
        const float fromTop = 1.0f - float(row) / float(lastRow);
        const float gain = float(gainFromLevel(std::pow(double(fromTop), FaderLaw::kExponent)));
        level[row] = gain;
        if ((previous > 2.0f && gain <= 2.0f) || (previous > 1.0f && gain <= 1.0f) ||
            row == lastRow) {
            for (int32_t j = zoneStart; j <= row; ++j) {
                zone[j] = currentZone;
                weight[j] = 1.0f - float(j - zoneStart) / float(row - zoneStart);
            }
            --currentZone;
            zoneStart = row;
        }
        previous = gain;
    }
}
