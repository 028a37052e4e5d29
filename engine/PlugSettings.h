// The seven settings words: the live copy inside an instance, read and written
// whole by the editor, the settings page and the audio thread.
#pragma once

#include <array>
#include <atomic>
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

class PlugSettings {
public:
    PlugSettings() { assign(kDefaultSettings); }

    int32_t get(int word) const { return words[word].load(std::memory_order_relaxed); }
    void set(int word, int32_t value) { words[word].store(value, std::memory_order_relaxed); }

    SettingsWords snapshot() const
    {
        SettingsWords copy{};
        for (int word = 0; word < kNumSettings; ++word)
            copy[word] = get(word);
        return copy;
    }
    void assign(const SettingsWords& values)
    {
        for (int word = 0; word < kNumSettings; ++word)
            set(word, values[word]);
    }

    // Words reduced to their choices; a negative word counts as 0.
    int fineRange() const { return moduloThree(get(kSettingFineRange)); }
    int trimRange() const { return moduloThree(get(kSettingTrimRange)); }
    int ballistics() const
    {
        const int32_t word = get(kSettingBallistics);
        return word < 0 ? 0 : word & 3;
    }

private:
    static int moduloThree(int32_t word) { return word < 0 ? 0 : word % 3; }

    std::atomic<int32_t> words[kNumSettings];
};
