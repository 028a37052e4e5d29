// The dB laws of Gain and Trim, their display texts and the conversions of
// plain and typed values to normalized ones.
#pragma once

#include <cstddef>

// Gain: 8·v³ linear, so 0.5 is 0 dB and 1.0 is +18.06 dB.
float gainFromNormalized(float value);
// Normalized Gain for a linear gain; 0 for zero and negative gains.
float normalizedFromGain(float gain);
// Linear gain for a typed dB value.
float gainFromDecibels(float decibels);

// Trim range in dB (12, 24 or 36) for a reduced trim-range choice 0..2.
float trimRangeDecibels(int choice);
// Trim: 10^((2v − 1)·R/20) linear for a range of ±R dB.
float trimFromNormalized(float value, float rangeDecibels);
// Normalized Trim for a typed dB value, before clamping.
float normalizedFromTrimDecibels(float decibels, float rangeDecibels);

// Display text of a linear gain: "-oo", "0" near unity, else dB as "%6.2f".
void formatDecibels(float linear, char* text, size_t capacity);

// The first number in a typed text, or 0 when it holds none.
float typedNumber(const char* text);
