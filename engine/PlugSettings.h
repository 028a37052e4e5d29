// The seven settings words: the live copy inside an instance, read and written
// whole by the editor, the settings page and the audio thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "rules/SettingsWords.h"

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

    // Words reduced to their choices.
    int fineRange() const { return settingChoice(kSettingFineRange, get(kSettingFineRange)); }
    int trimRange() const { return settingChoice(kSettingTrimRange, get(kSettingTrimRange)); }
    int ballistics() const { return settingChoice(kSettingBallistics, get(kSettingBallistics)); }

private:
    std::atomic<int32_t> words[kNumSettings];
};
