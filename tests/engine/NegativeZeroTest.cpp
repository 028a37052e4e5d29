// Negative zero reaches an instance from hosts that compute 0 × −1. Stored as
// it came, it would make the instance's own saved block read as foreign byte
// order; every stored value must be +0.0 instead.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "tests/support/engine/ChunkWords.h"
#include "tests/support/engine/PlugDriver.h"
#include "tests/support/engine/SavedChunk.h"

namespace tolvo {
namespace {

constexpr float kNegativeZero = -0.0f;

void expectPositiveZero(Plug& plug, VstInt32 index, const char* path)
{
    EXPECT_EQ(floatBits(plug.getParameter(index)), 0u) << path << ", parameter " << index;
}

TEST(NegativeZero, EveryWayInStoresPositiveZero)
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        PlugDriver plug;
        plug->setParameter(index, kNegativeZero);
        expectPositiveZero(*plug, index, "host");
        plug->setParameter(index, 0.7f);
        plug->setParameterAutomated(index, kNegativeZero);
        expectPositiveZero(*plug, index, "editor automation");
        plug->setParameter(index, 0.7f);
        plug->setParameterValue(index, kNegativeZero);
        expectPositiveZero(*plug, index, "plain value");
        plug->setProgram(0);
        expectPositiveZero(*plug, index, "program");
    }
    // Typed texts at and below the bottom of the ranges (Trim ±36 dB).
    PlugDriver plug;
    for (const char* text : {"-36", "-inf", "-1e30", "-100"}) {
        plug->setParameterText(kParamTrim, "6");
        plug->setParameterText(kParamTrim, text);
        expectPositiveZero(*plug, kParamTrim, text);
    }
    for (const char* text : {"-inf", "-1e30"}) {
        plug->setParameterText(kParamGain, "6");
        plug->setParameterText(kParamGain, text);
        expectPositiveZero(*plug, kParamGain, text);
    }
}

TEST(NegativeZero, RestoredForeignBlockYieldsPositiveZero)
{
    // Gain holds +infinity, so the block is reversed; the Trim word then
    // becomes the bits of negative zero.
    uint32_t words[14] = {0x7F800000u, 0x00000080u, 0, 0, 0, 0, 0, 0, 0, swapped(2), 0, 0, 0, 0};
    PlugChunk block = chunkOf(words);
    PlugDriver plug;
    ASSERT_EQ(plug->setChunk(&block, 56, false), 56);
    expectPositiveZero(*plug, kParamTrim, "restored block");
    EXPECT_FALSE(isForeignByteOrder(chunkFrom(*plug)));
}

// The block saved after a negative zero in any one parameter comes back
// unchanged, word for word, in a fresh instance.
TEST(NegativeZero, SavedBlockRoundTripsForEveryParameter)
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        PlugDriver source;
        const float values[kNumParams] = {0.5f, 0.5f, 1.0f, 1.0f, 1.0f};
        for (VstInt32 other = 0; other < kNumParams; ++other)
            source->setParameter(other, values[other]);
        source->setParameter(index, kNegativeZero);
        const PlugChunk saved = chunkFrom(*source);
        EXPECT_EQ(floatBits(saved.values[index]), 0u) << index;
        ASSERT_FALSE(isForeignByteOrder(saved)) << index;

        PlugDriver target;
        PlugChunk copy = saved;
        ASSERT_EQ(target->setChunk(&copy, 56, false), 56);
        for (VstInt32 other = 0; other < kNumParams; ++other)
            EXPECT_EQ(floatBits(target->getParameter(other)), floatBits(saved.values[other]))
                << "after " << index << ", parameter " << other;
        EXPECT_EQ(target->getSettings()->snapshot(), source->getSettings()->snapshot()) << index;
        EXPECT_EQ(target.display(kParamTrim), source.display(kParamTrim)) << index;
        const PlugChunk again = chunkFrom(*target);
        EXPECT_EQ(std::memcmp(&again, &saved, sizeof(saved)), 0) << index;
    }
}

} // namespace
} // namespace tolvo
