#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/support/engine/ChunkWords.h"
#include "tests/support/engine/FileBytes.h"
#include "tests/support/engine/PlugDriver.h"
#include "tests/support/engine/SavedChunk.h"
#include "tests/support/engine/TempFolder.h"
#include "tests/support/engine/TestPreferencesPath.h"

namespace tolvo {
namespace {

TEST(StateBlock, FreshInstanceBlock)
{
    PlugDriver plug;
    void* data = nullptr;
    ASSERT_EQ(plug->getChunk(&data, true), 56);
    void* again = nullptr;
    plug->getChunk(&again, false);
    EXPECT_EQ(data, again) << "the block lives in the instance";
    const PlugChunk& block = *static_cast<const PlugChunk*>(data);
    const float values[] = {0.5f, 0.5f, 0.0f, 0.0f, 0.0f};
    for (int i = 0; i < kNumParams; ++i)
        EXPECT_EQ(block.values[i], values[i]);
    EXPECT_EQ(floatBits(block.pre), 0u);
    EXPECT_EQ(floatBits(block.fine), 0u);
    for (int word = 0; word < kNumSettings; ++word)
        EXPECT_EQ(block.settings[word], kDefaultSettings[word]);
    EXPECT_EQ(plug->getChunk(nullptr, false), 0);
}

TEST(StateBlock, RestoresParametersAndSettingsButNotThePreferencesFile)
{
    TempFolder folder;
    const auto file = folder.path() / "Tolvo.veskpref";
    usePreferencesFile(file.string());
    PlugDriver source;
    source->setParameter(kParamGain, 0.8f);
    source->setParameter(kParamTrim, 0.1f);
    source->setParameter(kParamMute, 1.0f);
    source->getSettings()->set(kSettingTrimRange, 0);
    source->getSettings()->set(kSettingBallistics, kBbc);
    source->getSettings()->set(kSettingPanLaw, -3);
    PlugChunk block = chunkFrom(*source);

    PlugDriver target;
    const std::vector<unsigned char> fileBefore = readBytes(file);
    EXPECT_EQ(target->setChunk(&block, 56, false), 56);
    EXPECT_EQ(readBytes(file), fileBefore);
    usePreferencesFile(std::string());

    EXPECT_EQ(target->getParameter(kParamGain), 0.8f);
    EXPECT_EQ(target->getParameter(kParamTrim), 0.1f);
    EXPECT_EQ(target->getParameter(kParamMute), 1.0f);
    EXPECT_EQ(target->getSettings()->snapshot(), (SettingsWords{0, 2, 0, 3, -3, 0, 0}));
    EXPECT_EQ(target.display(kParamTrim), " -9.60") << "the restored ±12 dB range applies";
    char name[32];
    target->getProgramName(name);
    target->setProgram(0);
    EXPECT_EQ(target->getParameter(kParamGain), 0.8f) << "the program follows the block";
}

TEST(StateBlock, OtherSizesChangeNothing)
{
    PlugDriver plug;
    unsigned char bytes[64];
    std::memset(bytes, 0, sizeof(bytes));
    for (VstInt32 size : {55, 57, 0, -56, 28, 64}) {
        EXPECT_EQ(plug->setChunk(bytes, size, false), 0) << size;
        EXPECT_EQ(plug->getParameter(kParamGain), 0.5f);
        EXPECT_EQ(plug->getSettings()->snapshot(), kDefaultSettings);
    }
    EXPECT_EQ(plug->setChunk(nullptr, 56, false), 0);
}

TEST(StateBlock, ForeignBlockIsReversedAsAWhole)
{
    // Gain holds the bits of +infinity; everything else is big-endian.
    uint32_t words[14] = {0x7F800000u,
                          swapped(floatBits(0.75f)),
                          swapped(floatBits(1.0f)),
                          0,
                          0,
                          0,
                          0,
                          swapped(1),
                          swapped(0),
                          swapped(1),
                          swapped(3),
                          swapped(0),
                          swapped(1),
                          swapped(1)};
    PlugChunk block = chunkOf(words);
    PlugDriver plug;
    EXPECT_EQ(plug->setChunk(&block, 56, false), 56);
    EXPECT_EQ(floatBits(plug->getParameter(kParamGain)), 0x0000807Fu);
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.75f);
    EXPECT_EQ(plug->getParameter(kParamPhase), 1.0f);
    EXPECT_EQ(plug->getSettings()->snapshot(), (SettingsWords{1, 0, 1, 3, 0, 1, 1}));
}

TEST(StateBlock, ByteOrderTest)
{
    const float values[] = {0.0f, 0.5f, 1.0f, 1e-40f, -0.25f, 2.0f};
    for (float value : values) {
        PlugChunk block{};
        block.values[kParamGain] = value;
        EXPECT_FALSE(isForeignByteOrder(block)) << value;
    }
    for (uint32_t bits : {0x80000000u, 0x7F800000u, 0xFF800000u, 0x7FC00000u, 0x7F800001u}) {
        PlugChunk block{};
        block.values[kParamBypass] = floatFromBits(bits);
        EXPECT_TRUE(isForeignByteOrder(block)) << std::hex << bits;
    }
}

TEST(StateBlock, AllZeroParametersAreUsedUnswapped)
{
    uint32_t words[14] = {0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 2, 0, 0, 1};
    PlugChunk block = chunkOf(words);
    PlugDriver plug;
    EXPECT_EQ(plug->setChunk(&block, 56, false), 56);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.0f);
    EXPECT_EQ(plug->getSettings()->snapshot(), (SettingsWords{1, 0, 1, 2, 0, 0, 1}));
}

TEST(StateBlock, RestoredValuesAreClampedAndNaNIsRefused)
{
    PlugDriver plug;
    PlugChunk block = chunkFrom(*plug);
    block.values[kParamGain] = 1.5f;
    block.values[kParamTrim] = -3.0f;
    block.values[kParamMute] = 1e-41f;
    EXPECT_EQ(plug->setChunk(&block, 56, false), 56);
    EXPECT_EQ(plug->getParameter(kParamGain), 1.0f);
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.0f);

    // Reversed, the Gain word becomes a NaN, which must not be taken.
    uint32_t words[14] = {swapped(0x7FC00000u), 0x80000000u, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    block = chunkOf(words);
    EXPECT_EQ(plug->setChunk(&block, 56, false), 56);
    EXPECT_EQ(plug->getParameter(kParamGain), 1.0f);
    plug->resume();
    EXPECT_TRUE(std::isfinite(plug.process({0.25f})[0]));
}

TEST(StateBlock, RestoredPreAndFineWaitInTheBlockForTheEditor)
{
    PlugDriver plug;
    void* data = nullptr;
    plug->getChunk(&data, false);
    PlugChunk block = chunkFrom(*plug);
    block.pre = 1.0f;
    block.fine = 1.0f;
    plug->setChunk(&block, 56, false);
    const PlugChunk& held = *static_cast<const PlugChunk*>(data);
    EXPECT_EQ(held.pre, 1.0f);
    EXPECT_EQ(held.fine, 1.0f);
    // The editor keeps them while no window is open, so a save before any
    // window opens carries them on.
    const PlugChunk saved = chunkFrom(*plug);
    EXPECT_EQ(saved.pre, 1.0f);
    EXPECT_EQ(saved.fine, 1.0f);
}

// A format may build the instance with no editor: the engine then runs on
// its own and the editor's words of the block are saved as off.
TEST(StateBlock, AnInstanceWithoutAnEditorKeepsEverythingButPreAndFine)
{
    Plug plug(nullptr, nullptr);
    EXPECT_EQ(plug.getEditor(), nullptr);
    PlugChunk block = chunkFrom(plug);
    block.values[kParamGain] = 0.25f;
    block.pre = 1.0f;
    block.fine = 1.0f;
    block.settings[kSettingTrimRange] = 1;
    EXPECT_EQ(plug.setChunk(&block, 56, false), 56);
    EXPECT_EQ(plug.getParameter(kParamGain), 0.25f);
    plug.setParameter(kParamMute, 1.0f);
    const PlugChunk saved = chunkFrom(plug);
    EXPECT_EQ(saved.values[kParamGain], 0.25f);
    EXPECT_EQ(saved.values[kParamMute], 1.0f);
    EXPECT_EQ(saved.settings[kSettingTrimRange], 1);
    EXPECT_EQ(floatBits(saved.pre), 0u);
    EXPECT_EQ(floatBits(saved.fine), 0u);
}

} // namespace
} // namespace tolvo
