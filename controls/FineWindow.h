// The fader's fine mode as values alone: a window of ±6, ±12 or ±18 dB around
// the fader's value (its base), linear in dB, and the place f (0 bottom ..
// 1 top) of the cap inside it. No view: the fader owns one and asks it.
#pragma once

#include <atomic>
#include <cstdint>

// x kept within 0..1; NaN becomes 0.
float clampUnit(float x);

// The effective value for a base v is (S R^(2f-1) v^3)^(1/3): R the range's
// linear ratio, S the shift that keeps the window's top at or below the top
// gain.
//
// Threads: every operation is [UI], the window thread of the fader that owns
// the window. Each value is an atomic scalar so that a reading is always one
// whole stored value, but a window moved while it is read would be seen half
// moved: it is never handed to another thread.
class FineWindow {
public:
    bool isOn() const { return on.load(std::memory_order_relaxed); }
    int32_t rangeWord() const { return range.load(std::memory_order_relaxed); }
    float place() const { return fine.load(std::memory_order_relaxed); }
    float scale() const { return shift.load(std::memory_order_relaxed); }
    float ratio() const { return span.load(std::memory_order_relaxed); }

    // On around the base v, for the fine-range settings word (reduced as every
    // reader does): the cap in the middle, or higher where the window is
    // shifted down.
    void open(float base, int32_t rangeWord);
    // Off, remembering the range word; the window stays where it was so the
    // effective value can still be read.
    void shut(int32_t rangeWord);
    // Back to no shift with the cap in the middle.
    void recentre();

    // The effective value for the base v; 0 for a base of 0.
    float effectiveValue(float base) const;
    // Puts the cap where the value x lies in the window around the base v
    // (both above 0); false, leaving the cap alone, when x is outside it.
    bool follow(float x, float base);
    // The cap moved by change (a fraction of the travel), kept on the travel.
    void move(float change);
    // The cap to the middle of the window.
    void centre();

private:
    std::atomic<float> fine{0.5f};
    std::atomic<float> shift{1.0f};
    std::atomic<float> span{2.0f};
    std::atomic<int32_t> range{0};
    std::atomic<bool> on{false};
};
