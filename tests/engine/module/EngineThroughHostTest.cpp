// The engine as a host meets it: through the built module's record and
// dispatcher.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/support/PluginFixture.h"

namespace tolvo {
namespace {

class EngineThroughHost : public PluginFixture {
protected:
    std::vector<unsigned char> chunkOf(PluginInstance& instance)
    {
        void* data = nullptr;
        const VstIntPtr size = instance.dispatch(effGetChunk, 0, 0, &data);
        EXPECT_EQ(size, 56);
        EXPECT_NE(data, nullptr);
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        return std::vector<unsigned char>(bytes, bytes + (data ? size : 0));
    }
};

uint32_t swapped(uint32_t word)
{
    return (word >> 24) | ((word >> 8) & 0xFF00u) | ((word << 8) & 0xFF0000u) | (word << 24);
}

TEST_F(EngineThroughHost, ParameterTextsFollowTheValues)
{
    EXPECT_EQ(plugin->text(effGetParamName, 2), "Phase");
    EXPECT_EQ(plugin->text(effGetParamLabel, 3), "(Thru/Mute)");
    EXPECT_EQ(plugin->text(effGetParamDisplay, 0), "0");
    plugin->setParameter(0, 0.4f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 0), " -5.81");
    plugin->setParameter(0, 1.7f);
    EXPECT_EQ(plugin->getParameter(0), 1.0f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 0), " 18.06");
    plugin->setParameter(1, 0.0f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 1), "-36.00");
    plugin->setParameter(2, 0.5f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 2), "Flip");
    plugin->setParameter(4, 0.49f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 4), "Off");
    plugin->setParameter(0, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(plugin->getParameter(0), 1.0f);
    EXPECT_EQ(plugin->getParameter(5), 0.0f);
    EXPECT_EQ(plugin->getParameter(-1), 0.0f);
}

TEST_F(EngineThroughHost, StateBlockMovesBetweenInstances)
{
    plugin->setParameter(0, 0.3f);
    plugin->setParameter(3, 1.0f);
    std::vector<unsigned char> block = chunkOf(*plugin);
    float gain = 0.0f;
    std::memcpy(&gain, block.data(), sizeof(gain));
    EXPECT_EQ(gain, 0.3f);

    PluginInstance other(builtModule());
    ASSERT_NE(other.effect(), nullptr);
    EXPECT_EQ(other.dispatch(effSetChunk, 0, 56, block.data()), 56);
    EXPECT_EQ(other.getParameter(0), 0.3f);
    EXPECT_EQ(other.getParameter(3), 1.0f);
    EXPECT_EQ(chunkOf(other), block);
}

TEST_F(EngineThroughHost, NegativeZeroFromTheHostSurvivesSaveAndRestore)
{
    plugin->setParameter(0, -0.0f);
    const std::vector<unsigned char> block = chunkOf(*plugin);
    uint32_t gainBits = 1;
    std::memcpy(&gainBits, block.data(), 4);
    EXPECT_EQ(gainBits, 0u);

    PluginInstance other(builtModule());
    ASSERT_NE(other.effect(), nullptr);
    std::vector<unsigned char> copy = block;
    EXPECT_EQ(other.dispatch(effSetChunk, 0, 56, copy.data()), 56);
    EXPECT_EQ(other.getParameter(1), 0.5f) << "Trim must not come back byte-reversed";
    EXPECT_EQ(chunkOf(other), block);
}

TEST_F(EngineThroughHost, BlocksOfOtherSizesAreRefused)
{
    std::vector<unsigned char> block = chunkOf(*plugin);
    block.push_back(0);
    std::vector<float> values = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    std::memcpy(block.data(), values.data(), 20);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, 55, block.data()), 0);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 1, 57, block.data()), 0);
    EXPECT_EQ(plugin->getParameter(0), 0.5f);
    EXPECT_EQ(plugin->getParameter(4), 0.0f);
}

TEST_F(EngineThroughHost, ByteSwappedBlockIsRestored)
{
    // Written big-endian; the Gain word reads as +infinity here, which marks
    // the block as foreign.
    const float values[] = {0.0f, 0.75f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    const uint32_t settings[] = {0, 1, 0, 2, 0, 0, 1};
    uint32_t words[14];
    for (int i = 0; i < 7; ++i) {
        std::memcpy(&words[i], &values[i], 4);
        words[i] = swapped(words[i]);
        words[7 + i] = swapped(settings[i]);
    }
    words[0] = 0x7F800000u;
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, 56, words), 56);
    const float gain = plugin->getParameter(0);
    uint32_t gainBits = 0;
    std::memcpy(&gainBits, &gain, 4);
    EXPECT_EQ(gainBits, 0x0000807Fu);
    EXPECT_EQ(plugin->getParameter(1), 0.75f);
    EXPECT_EQ(plugin->getParameter(2), 1.0f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 1), "  6.00") << "the restored ±12 dB range";
    const std::vector<unsigned char> saved = chunkOf(*plugin);
    int32_t ballistics = 0;
    std::memcpy(&ballistics, saved.data() + 40, 4);
    EXPECT_EQ(ballistics, 2);
}

TEST_F(EngineThroughHost, AllThreeProcessCallsApplyTheGain)
{
    plugin->setParameter(0, 0.25f);
    plugin->dispatch(effMainsChanged, 0, 1);
    std::vector<float> in = {1.0f, -0.5f, 0.25f};
    std::vector<float> out(3, 1.0f);
    plugin->processReplacing(in.data(), out.data(), 3);
    EXPECT_EQ(out, (std::vector<float>{0.125f, -0.0625f, 0.03125f}));
    plugin->processAccumulating(in.data(), out.data(), 3);
    EXPECT_EQ(out, (std::vector<float>{0.25f, -0.125f, 0.0625f}));
    std::vector<double> din = {1.0, -2.0};
    std::vector<double> dout(2, 0.0);
    plugin->processDoubleReplacing(din.data(), dout.data(), 2);
    EXPECT_EQ(dout, (std::vector<double>{0.125, -0.25}));
}

TEST_F(EngineThroughHost, UnusableSampleRateLeavesProcessingIntact)
{
    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, std::numeric_limits<float>::quiet_NaN());
    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 0.0f);
    plugin->setParameter(0, 0.0f);
    std::vector<float> in(20000, 1.0f);
    std::vector<float> out(in.size(), 0.0f);
    plugin->processReplacing(in.data(), out.data(), static_cast<VstInt32>(in.size()));
    EXPECT_LT(out.back(), 1e-40f) << "the fader went down to minus infinity";
    for (float sample : out)
        ASSERT_TRUE(std::isfinite(sample));
}

} // namespace
} // namespace tolvo
