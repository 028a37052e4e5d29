// The seven settings words, their defaults, and the choice each reader takes
// from a word, which may lie outside its choices (damaged file or block).
#pragma once

#include <array>
#include <cstdint>

enum SettingsWord : int {
    kSettingDefaultMode = 0,
    kSettingFineRange,
    kSettingTrimRange,
    kSettingBallistics,
    kSettingPanLaw,
    kSettingMuteLamp,
    kSettingBypassLamp,
    kNumSettings
};

using SettingsWords = std::array<int32_t, kNumSettings>;

inline constexpr SettingsWords kDefaultSettings = {0, 2, 2, 0, 0, 0, 0};

// The choice a word selects: a negative word counts as 0; the fine range,
// trim range and pan law wrap modulo their three choices, the ballistics
// keep their low two bits, and the default mode and the lamps read any other
// word as their second choice (1). An index outside the words gives 0.
int32_t settingChoice(int word, int32_t value);
