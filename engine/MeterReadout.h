// What one meter readout hands to the editor: twelve linear amplitudes
// (1.0 = full scale), two channel slots each; slot 1 is always 0 in this mono
// build.
#pragma once

enum MeterReadoutIndex : int {
    kReadInputEnvelope = 0,
    kReadOutputEnvelope = 2,
    kReadInputRms = 4,
    kReadOutputRms = 6,
    kReadInputPeak = 8,
    kReadOutputPeak = 10,
    kNumReadoutValues = 12
};

struct MeterReadout {
    double values[kNumReadoutValues];
};
