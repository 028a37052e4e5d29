// The Trim law and the reading of typed values; the Gain law and the dB texts
// come from the rules the editor shares.
#pragma once

#include "rules/GainLaw.h"
#include "rules/LevelText.h"

// Trim range in dB (12, 24 or 36) for a reduced trim-range choice 0..2.
float trimRangeDecibels(int choice);
// Trim: 10^((2v − 1)·R/20) linear for a range of ±R dB.
float trimFromNormalized(float value, float rangeDecibels);
// Normalized Trim for a typed dB value, before clamping.
float normalizedFromTrimDecibels(float decibels, float rangeDecibels);

// The first number in a typed text, or 0 when it holds none.
float typedNumber(const char* text);
