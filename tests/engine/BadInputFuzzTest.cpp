// Thousands of random and truncated state blocks and preferences files: none
// may crash the instance or leave a parameter outside 0..1.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "tests/support/engine/ChunkWords.h"
#include "tests/support/engine/FileBytes.h"
#include "tests/support/engine/PlugDriver.h"
#include "tests/support/engine/TempFolder.h"
#include "tests/support/engine/TestPreferencesPath.h"

namespace tolvo {
namespace {

void expectUsableState(PlugDriver& plug)
{
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        const float value = plug->getParameter(index);
        ASSERT_TRUE(value >= 0.0f && value <= 1.0f) << index << ": " << value;
        ASSERT_FALSE(plug.display(index).empty());
    }
    const std::vector<double> out = plug.processDouble({0.5, -0.5, 0.25});
    for (double sample : out)
        ASSERT_TRUE(std::isfinite(sample));
    MeterReadout readout{};
    plug->getMeters(&readout);
    for (double value : readout.values)
        ASSERT_TRUE(std::isfinite(value));
}

uint32_t randomWord(std::mt19937& random)
{
    // Mostly plausible values, with every special float pattern in the mix.
    static const uint32_t specials[] = {0x00000000u, 0x80000000u, 0x7F800000u, 0xFF800000u,
                                        0x7FC00000u, 0xFFFFFFFFu, 0x00000001u, 0x3F800000u,
                                        0x0000803Fu, 0x7F7FFFFFu};
    switch (random() % 4) {
    case 0:
        return specials[random() % (sizeof(specials) / sizeof(specials[0]))];
    case 1:
        return floatBits(std::uniform_real_distribution<float>(-2.0f, 3.0f)(random));
    case 2:
        return swapped(floatBits(std::uniform_real_distribution<float>(0.0f, 1.0f)(random)));
    default:
        return static_cast<uint32_t>(random());
    }
}

TEST(BadInputFuzz, RandomAndTruncatedStateBlocks)
{
    std::mt19937 random(20260417);
    PlugDriver plug;
    for (int round = 0; round < 5000; ++round) {
        uint32_t words[16];
        for (uint32_t& word : words)
            word = randomWord(random);
        const VstInt32 size = random() % 5 == 0 ? static_cast<VstInt32>(random() % 64) : 56;
        const VstInt32 answer = plug->setChunk(words, size, random() % 2 == 0);
        ASSERT_EQ(answer, size == 56 ? 56 : 0);
        ASSERT_NO_FATAL_FAILURE(expectUsableState(plug)) << "round " << round;

        void* data = nullptr;
        ASSERT_EQ(plug->getChunk(&data, false), 56);
        PlugChunk saved;
        std::memcpy(&saved, data, sizeof(saved));
        PlugDriver copy;
        ASSERT_EQ(copy->setChunk(&saved, 56, false), 56);
        for (VstInt32 index = 0; index < kNumParams; ++index)
            ASSERT_EQ(floatBits(copy->getParameter(index)), floatBits(plug->getParameter(index)))
                << "round " << round;
    }
}

TEST(BadInputFuzz, RandomAndTruncatedPreferencesFiles)
{
    std::mt19937 random(77);
    TempFolder folder;
    const auto file = folder.path() / "Tolvo.veskpref";
    usePreferencesFile(file.string());
    for (int round = 0; round < 2000; ++round) {
        std::vector<unsigned char> bytes(random() % 40);
        for (unsigned char& byte : bytes)
            byte = static_cast<unsigned char>(random());
        writeBytes(file, bytes);

        PlugDriver plug;
        const SettingsWords words = plug->getSettings()->snapshot();
        for (size_t word = 0; word < kNumSettings; ++word) {
            const size_t at = 4 * word;
            const int32_t expected =
                at + 4 <= bytes.size()
                    ? static_cast<int32_t>(uint32_t{bytes[at]} << 24 |
                                           uint32_t{bytes[at + 1]} << 16 |
                                           uint32_t{bytes[at + 2]} << 8 | bytes[at + 3])
                    : kDefaultSettings[word];
            ASSERT_EQ(words[word], expected) << "round " << round << ", word " << word;
        }
        ASSERT_EQ(readBytes(file).size(), 28u);
        plug->setParameter(kParamTrim, 0.0f);
        ASSERT_NO_FATAL_FAILURE(expectUsableState(plug)) << "round " << round;
    }
    usePreferencesFile(std::string());
}

} // namespace
} // namespace tolvo
