// The state interface: the whole block as one portable chunk, restored as the VST 2 build
// restores it, bad blocks refused, and port values after a restore not rounding it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/formats/Lv2Harness.h"

namespace tolvo {
namespace {

constexpr const char* kStateProperty = "urn:corvath:tolvo#state";

// Every word away from its default: Gain 0.3, Trim 0.8, Phase on, Mute off, Bypass on,
// Pre and Fine on, every settings word changed (trim range 0: ±12 dB).
PlugChunk distinctBlock()
{
    PlugChunk block{};
    const float values[kNumParams] = {0.3f, 0.8f, 1.0f, 0.0f, 1.0f};
    std::memcpy(block.values, values, sizeof(values));
    block.pre = 1.0f;
    block.fine = 1.0f;
    const int32_t words[kNumSettings] = {1, 0, 0, 2, 1, 1, 1};
    std::memcpy(block.settings, words, sizeof(words));
    return block;
}

std::vector<uint8_t> blockOf(Lv2Harness& lv2)
{
    void* data = nullptr;
    const VstInt32 size = lv2.instance().plug().getChunk(&data, false);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return {bytes, bytes + size};
}

void setBlock(Lv2Harness& lv2, PlugChunk block)
{
    lv2.instance().plug().setChunk(&block, sizeof(block), false);
}

TEST(Lv2State, SavesTheWholeBlockAsOnePortableChunk)
{
    Lv2Harness lv2;
    setBlock(lv2, distinctBlock());
    ASSERT_EQ(lv2.save(), LV2_STATE_SUCCESS);
    ASSERT_EQ(lv2.stored.size(), 1u);
    const StoredProperty& saved = lv2.stored[0];
    EXPECT_EQ(saved.key, lv2.urid(kStateProperty));
    EXPECT_EQ(saved.type, lv2.urid(LV2_ATOM__Chunk));
    EXPECT_EQ(saved.flags, uint32_t{LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE});
    ASSERT_EQ(saved.value.size(), sizeof(PlugChunk));
    PlugChunk expected = distinctBlock();
    EXPECT_EQ(std::memcmp(saved.value.data(), &expected, sizeof(expected)), 0);
}

TEST(Lv2State, EveryValueComesBackInANewInstance)
{
    Lv2Harness saving;
    setBlock(saving, distinctBlock());
    ASSERT_EQ(saving.save(), LV2_STATE_SUCCESS);

    Lv2Harness restoring;
    restoring.stored = saving.stored;
    ASSERT_EQ(restoring.restore(), LV2_STATE_SUCCESS);
    EXPECT_EQ(blockOf(restoring), blockOf(saving));
}

TEST(Lv2State, BadBlocksAreRefusedAndChangeNothing)
{
    Lv2Harness lv2;
    setBlock(lv2, distinctBlock());
    const std::vector<uint8_t> before = blockOf(lv2);
    const LV2_URID key = lv2.urid(kStateProperty);
    const LV2_URID chunk = lv2.urid(LV2_ATOM__Chunk);
    const std::vector<uint8_t> zeros(sizeof(PlugChunk), 0);

    const std::vector<StoredProperty> bad = {
        {key, std::vector<uint8_t>(55, 0), chunk, 0},
        {key, std::vector<uint8_t>(57, 0), chunk, 0},
        {key, {}, chunk, 0},
        {key, zeros, lv2.urid(LV2_ATOM__String), 0},
        {lv2.urid("urn:corvath:tolvo#other"), zeros, chunk, 0},
    };
    for (const StoredProperty& property : bad) {
        lv2.stored = {property};
        EXPECT_NE(lv2.restore(), LV2_STATE_SUCCESS) << property.value.size();
        EXPECT_EQ(blockOf(lv2), before);
    }
}

TEST(Lv2State, PortValuesRestoredAfterTheBlockDoNotRoundIt)
{
    Lv2Harness saving;
    setBlock(saving, distinctBlock());
    saving.save();

    Lv2Harness restoring;
    restoring.stored = saving.stored;
    restoring.restore();
    // The host puts back the port values it kept: what the block reads as.
    const int trimRange = restoring.instance().plug().getSettings()->trimRange();
    for (VstInt32 index = 0; index < kNumParams; ++index)
        restoring.controls[portOfParameter(index)] =
            portFromNormalized(index, distinctBlock().values[index], trimRange);
    restoring.runControls();
    EXPECT_EQ(blockOf(restoring), blockOf(saving));

    // A port the host then changes is applied.
    restoring.controls[kPortBypass] = 0.0f;
    restoring.runControls();
    EXPECT_EQ(restoring.parameter(kParamBypass), 0.0f);
}

} // namespace
} // namespace tolvo
