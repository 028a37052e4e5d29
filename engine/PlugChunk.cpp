#include "engine/PlugChunk.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kNumWords = sizeof(PlugChunk) / sizeof(uint32_t);

uint32_t bitsOf(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

uint32_t reversed(uint32_t word)
{
    return (word >> 24) | ((word >> 8) & 0x0000FF00u) | ((word << 8) & 0x00FF0000u) | (word << 24);
}

} // namespace

bool isForeignByteOrder(const PlugChunk& chunk)
{
    for (float value : chunk.values) {
        const double widened = value;
        if (std::fpclassify(widened) != FP_NORMAL && bitsOf(value) != 0)
            return true;
    }
    return false;
}

void reverseByteOrder(PlugChunk& chunk)
{
    uint32_t words[kNumWords];
    std::memcpy(words, &chunk, sizeof(words));
    for (uint32_t& word : words)
        word = reversed(word);
    std::memcpy(&chunk, words, sizeof(words));
}
