// Keeps subnormal numbers out of the recursive state and the output: a double
// whose exponent field is 0 or 1 (zero, subnormal, or below 2^-1021) becomes +0.
#pragma once

#include <cmath>

// |v| < 2^-1021 holds exactly for the exponent fields 0 and 1; NaN fails it.
inline double flushTiny(double value)
{
    return std::fabs(value) < 0x1p-1021 ? 0.0 : value;
}
