// The test signal of tolvo-host editor and the editor benchmarks: a 1 kHz
// tone whose level rises from -40 dB to 0 dB and falls back every four
// seconds, so meters, readouts and holds keep changing. The sweep holds a
// whole number of tone periods and loops without a seam.
#pragma once

#include <vector>

namespace tolvo {

// One sweep at the sample rate, computed once.
std::vector<float> sweepingTone(float sampleRate);

} // namespace tolvo
