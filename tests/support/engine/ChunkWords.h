// Builds state blocks word by word for tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "engine/PlugChunk.h"

namespace tolvo {

inline uint32_t floatBits(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

inline float floatFromBits(uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

inline uint32_t swapped(uint32_t word)
{
    return (word >> 24) | ((word >> 8) & 0xFF00u) | ((word << 8) & 0xFF0000u) | (word << 24);
}

inline PlugChunk chunkOf(const uint32_t (&words)[14])
{
    PlugChunk chunk;
    std::memcpy(&chunk, words, sizeof(chunk));
    return chunk;
}

} // namespace tolvo
