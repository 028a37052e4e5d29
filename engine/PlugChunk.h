// The 56-byte state block the host saves and restores: five parameter values,
// the editor's Pre and Fine switch values and the seven settings words, in the
// byte order of the machine that wrote it.
#pragma once

#include <cstdint>

#include "engine/ParameterTable.h"
#include "engine/PlugSettings.h"

struct PlugChunk {
    float values[kNumParams];
    float pre;
    float fine;
    int32_t settings[kNumSettings];
};

static_assert(sizeof(PlugChunk) == 56, "the state block is fourteen 32-bit words");

// True when the parameter words cannot have been written in this machine's
// byte order: one of them is NaN, infinite or negative zero.
bool isForeignByteOrder(const PlugChunk& chunk);
// Reverses the bytes of all fourteen words.
void reverseByteOrder(PlugChunk& chunk);
