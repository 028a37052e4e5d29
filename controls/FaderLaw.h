#pragma once

#include <cstdint>

// The gain fader's law between the cap's position p (0 bottom .. 1 top) and
// the level r = gain / 8: r = p^k, with k chosen so that 0 dB (r = 1/8) sits
// at 13/22 of the travel. Powers are taken in double, results are floats.
namespace FaderLaw {

extern const double kExponent;

float positionToLevel(float position);
float levelToPosition(float level);

} // namespace FaderLaw

// The meter beside the fader, one row per pixel from its top: the gain each
// row stands for, and its colour zone (3 above +6 dB, 2 from 0 to +6 dB, 1
// below 0 dB) with the blend weight between the zone's two colours (1 at the
// zone's top row, falling to 0 at its last).
struct MeterRows {
    static constexpr int32_t kCount = 362;

    MeterRows();

    int32_t zone[kCount];
    float weight[kCount];
    float level[kCount];
};
