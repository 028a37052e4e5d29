#include <gtest/gtest.h>

#include <filesystem>

#include "engine/PreferencesFile.h"
#include "tests/support/engine/FileBytes.h"
#include "tests/support/engine/PlugDriver.h"
#include "tests/support/engine/TempFolder.h"
#include "tests/support/engine/TestPreferencesPath.h"

namespace tolvo {
namespace {

class PreferencesFileTest : public ::testing::Test {
protected:
    void SetUp() override { usePreferencesFile(file.string()); }
    void TearDown() override { usePreferencesFile(std::string()); }

    SettingsWords instanceSettings()
    {
        PlugDriver plug;
        return plug->getSettings()->snapshot();
    }

    TempFolder folder;
    std::filesystem::path file = folder.path() / "Tolvo.veskpref";
};

const std::vector<unsigned char> kDefaultFileBytes = {0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0,
                                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST_F(PreferencesFileTest, FirstInstanceCreatesTheFileWithTheDefaults)
{
    EXPECT_EQ(instanceSettings(), kDefaultSettings);
    EXPECT_EQ(readBytes(file), kDefaultFileBytes);
}

TEST_F(PreferencesFileTest, MissingFolderMeansDefaultsAndNoFile)
{
    file = folder.path() / "Corvath" / "Tolvo.veskpref";
    usePreferencesFile(file.string());
    EXPECT_EQ(instanceSettings(), kDefaultSettings);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Corvath"));
}

TEST_F(PreferencesFileTest, StoredWordsReachTheInstanceAndItsStateBlock)
{
    writeBytes(file, bigEndianWords({0, 0, 1, 3, 0, 1, 1}));
    PlugDriver plug;
    EXPECT_EQ(plug->getSettings()->snapshot(), (SettingsWords{0, 0, 1, 3, 0, 1, 1}));
    plug->setParameter(kParamTrim, 0.0f);
    EXPECT_EQ(plug.display(kParamTrim), "-24.00");
    plug->resume();
    plug.process({1.0f});
    EXPECT_NEAR(plug.meters().values[kReadInputEnvelope], 0.0036429, 1e-7) << "BBC";
    void* data = nullptr;
    ASSERT_EQ(plug->getChunk(&data, false), 56);
    const PlugChunk* block = static_cast<const PlugChunk*>(data);
    const int32_t expected[] = {0, 0, 1, 3, 0, 1, 1};
    for (int word = 0; word < kNumSettings; ++word)
        EXPECT_EQ(block->settings[word], expected[word]) << word;
    EXPECT_EQ(readBytes(file), bigEndianWords({0, 0, 1, 3, 0, 1, 1}));
}

TEST_F(PreferencesFileTest, ShortFileKeepsTheMissingWordsAndIsRewrittenWhole)
{
    std::vector<unsigned char> bytes = bigEndianWords({1, 0, 0});
    bytes.resize(10);
    writeBytes(file, bytes);
    EXPECT_EQ(instanceSettings(), (SettingsWords{1, 0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(readBytes(file), bigEndianWords({1, 0, 2, 0, 0, 0, 0}));

    writeBytes(file, {});
    EXPECT_EQ(instanceSettings(), kDefaultSettings);
    EXPECT_EQ(readBytes(file).size(), 28u);
}

TEST_F(PreferencesFileTest, LongerFileIsReadForItsFirst28Bytes)
{
    writeBytes(file, bigEndianWords({1, 1, 1, 1, 1, 1, 1, 9, 9}));
    EXPECT_EQ(instanceSettings(), (SettingsWords{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(readBytes(file), bigEndianWords({1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(PreferencesFileTest, NegativeWordsAreCarriedAndActAsZero)
{
    const std::vector<int32_t> words = {-1, -5, -2, -1, -7, -1, INT32_MIN};
    writeBytes(file, bigEndianWords(words));
    PlugDriver plug;
    EXPECT_EQ(plug->getSettings()->snapshot(), (SettingsWords{-1, -5, -2, -1, -7, -1, INT32_MIN}));
    EXPECT_EQ(readBytes(file), bigEndianWords(words));
    plug->setParameter(kParamTrim, 0.0f);
    EXPECT_EQ(plug.display(kParamTrim), "-12.00");
    plug.process({1.0f});
    EXPECT_EQ(plug.meters().values[kReadInputEnvelope], 1.0) << "Digital PPM";
}

TEST_F(PreferencesFileTest, OutOfRangeWordsAreReduced)
{
    writeBytes(file, bigEndianWords({0, 2, 4, 6, 0, 0, 0}));
    PlugDriver plug;
    plug->setParameter(kParamTrim, 1.0f);
    EXPECT_EQ(plug.display(kParamTrim), " 24.00");
    plug->resume();
    plug.process({1.0f});
    EXPECT_NEAR(plug.meters().values[kReadInputEnvelope], 0.0001740, 1e-7) << "VU";
}

TEST_F(PreferencesFileTest, SaveWritesTheLiveWordsAndLoadReadsThemBack)
{
    PlugDriver plug;
    plug->getSettings()->set(kSettingBallistics, kVu);
    PreferencesFile::save(*plug->getSettings());
    const std::vector<unsigned char> bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 28u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 12, bytes.begin() + 16),
              (std::vector<unsigned char>{0, 0, 0, 2}));

    PlugSettings other;
    PreferencesFile::load(other);
    EXPECT_EQ(other.get(kSettingBallistics), kVu);
}

TEST_F(PreferencesFileTest, UnreadablePlacesChangeNothing)
{
    PlugSettings settings;
    settings.set(kSettingFineRange, 1);
    std::filesystem::create_directory(file);
    PreferencesFile::load(settings);
    PreferencesFile::save(settings);
    EXPECT_EQ(settings.get(kSettingFineRange), 1);
    EXPECT_TRUE(std::filesystem::is_directory(file));

    usePreferencesFile(std::string());
    PreferencesFile::loadDefaults(settings);
    EXPECT_EQ(settings.snapshot(), kDefaultSettings);
}

} // namespace
} // namespace tolvo
