// The texts of levels and gains in dB, as the host's parameter display, the
// editor's readouts and the fader's scale write them.
#pragma once

#include <cstddef>

// 20·log10 of a linear gain; the logarithm is taken in float.
double decibelsFromGain(float linear);

// A parameter display: "-oo" for no gain, "0" near unity, else "%6.2f" dB.
void formatDecibels(float linear, char* text, size_t capacity);
// A readout: "%6.2f" dB, or "-" for no level.
void formatLevel(float linear, char* text, size_t capacity);
// A scale label: whole dB ("%-.0f").
void formatWholeDecibels(double decibels, char* text, size_t capacity);
