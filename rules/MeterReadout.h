// What one meter readout hands to the editor: twelve linear amplitudes
// (1.0 = full scale) — envelopes, RMS levels and peaks of the input and output
// points, two channel slots each (slot 1 is always 0 in this mono build).
#pragma once

enum MeterPoint : int { kInputPoint = 0, kOutputPoint = 1, kNumMeterPoints = 2 };

inline constexpr int kReadoutSlots = 2;
// The values of one quantity: both points, both slots.
inline constexpr int kValuesPerQuantity = kNumMeterPoints * kReadoutSlots;

// The first value of each quantity; the values of a quantity run point by
// point, slot by slot.
inline constexpr int kEnvelopeValues = 0;
inline constexpr int kRmsValues = kEnvelopeValues + kValuesPerQuantity;
inline constexpr int kPeakValues = kRmsValues + kValuesPerQuantity;

// Where each value of a point and slot sits in the readout.
constexpr int envelopeIndex(int point, int slot = 0)
{
    return kEnvelopeValues + kReadoutSlots * point + slot;
}
constexpr int rmsIndex(int point, int slot = 0)
{
    return kRmsValues + kReadoutSlots * point + slot;
}
constexpr int peakIndex(int point, int slot = 0)
{
    return kPeakValues + kReadoutSlots * point + slot;
}

enum MeterReadoutIndex : int {
    kReadInputEnvelope = envelopeIndex(kInputPoint),
    kReadOutputEnvelope = envelopeIndex(kOutputPoint),
    kReadInputRms = rmsIndex(kInputPoint),
    kReadOutputRms = rmsIndex(kOutputPoint),
    kReadInputPeak = peakIndex(kInputPoint),
    kReadOutputPeak = peakIndex(kOutputPoint),
    kNumReadoutValues = kPeakValues + kValuesPerQuantity
};

struct MeterReadout {
    double values[kNumReadoutValues];
};

// The highest readouts the editor holds: the peaks, then the RMS levels, each
// laid out as in the readout (point by point, slot by slot).
enum HeldQuantity : int { kHeldPeak = 0, kHeldRms = 1, kNumHeldQuantities = 2 };
inline constexpr int kNumHeldValues = kNumHeldQuantities * kValuesPerQuantity;
constexpr int heldIndex(int quantity, int point, int slot = 0)
{
    return quantity * kValuesPerQuantity + kReadoutSlots * point + slot;
}

// The held values of the point on show (the readouts and the fader's markers):
// the peak's two slots, then the RMS level's.
inline constexpr int kNumShownHolds = kNumHeldQuantities * kReadoutSlots;
constexpr int shownHoldIndex(int quantity, int slot = 0)
{
    return quantity * kReadoutSlots + slot;
}
