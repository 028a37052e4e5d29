// How a settings word outside its choices is read, by the engine and the page.
#include <gtest/gtest.h>

#include <climits>

#include "controls/nSplash.h"
#include "engine/PlugSettings.h"
#include "rules/SettingsWords.h"

namespace tolvo {
namespace {

struct Reduction {
    int32_t word;
    int32_t choice;
};

void expectReductions(int word, std::initializer_list<Reduction> cases)
{
    for (const Reduction& reduction : cases)
        EXPECT_EQ(settingChoice(word, reduction.word), reduction.choice)
            << "word " << word << " holding " << reduction.word;
}

TEST(SettingsWords, ThreeWayWordsWrapAndNegativeWordsCountAsTheFirstChoice)
{
    for (int word : {kSettingFineRange, kSettingTrimRange, kSettingPanLaw})
        expectReductions(word, {{0, 0},
                                {1, 1},
                                {2, 2},
                                {3, 0},
                                {5, 2},
                                {-1, 0},
                                {INT_MIN, 0},
                                {INT_MAX, INT_MAX % 3}});
}

TEST(SettingsWords, BallisticsKeepTheirLowTwoBits)
{
    expectReductions(kSettingBallistics, {{0, 0}, {3, 3}, {4, 0}, {6, 2}, {-2, 0}, {INT_MAX, 3}});
}

TEST(SettingsWords, OnOffWordsReadAnyPositiveWordAsOn)
{
    for (int word : {kSettingDefaultMode, kSettingMuteLamp, kSettingBypassLamp})
        expectReductions(word, {{0, 0}, {1, 1}, {7, 1}, {INT_MAX, 1}, {-1, 0}, {INT_MIN, 0}});
}

TEST(SettingsWords, AnIndexOutsideTheWordsGivesTheFirstChoice)
{
    EXPECT_EQ(settingChoice(-1, 2), 0);
    EXPECT_EQ(settingChoice(kNumSettings, 2), 0);
}

TEST(SettingsWords, DefaultsAreInsideTheirChoices)
{
    for (int word = 0; word < kNumSettings; ++word)
        EXPECT_EQ(settingChoice(word, kDefaultSettings[word]), kDefaultSettings[word]) << word;
}

// The instance and the settings page must show the same choice for any
// word a damaged file or block leaves behind.
TEST(SettingsWords, TheInstanceAndTheSettingsPageReadEveryWordAlike)
{
    PlugSettings settings;
    for (int32_t stored : {-7, -1, 0, 1, 2, 3, 4, 5, 6, 7, 100, INT_MAX, INT_MIN}) {
        settings.set(kSettingFineRange, stored);
        settings.set(kSettingTrimRange, stored);
        settings.set(kSettingBallistics, stored);
        EXPECT_EQ(settings.fineRange(), nSplash::shownOption(kSettingFineRange, stored)) << stored;
        EXPECT_EQ(settings.trimRange(), nSplash::shownOption(kSettingTrimRange, stored)) << stored;
        EXPECT_EQ(settings.ballistics(), nSplash::shownOption(kSettingBallistics, stored))
            << stored;
    }
}

} // namespace
} // namespace tolvo
