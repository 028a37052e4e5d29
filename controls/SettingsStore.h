#pragma once

#include <cstdint>

#include "rules/SettingsWords.h"

// The seven settings words the settings page edits, and the per-user defaults
// file behind them. The editor implements it over the instance's live words;
// the engine may read the same words on its own threads (each word is read
// and written whole).
//
// Threads: every operation is [UI]: the settings page calls them on the window
// thread.
//
// The words (SettingsWord) are stored as given: a word from a file or a
// host's state block may lie outside its choices.
class SettingsStore {
public:
    static constexpr int kWordCount = kNumSettings;
    using Words = SettingsWords;

    virtual ~SettingsStore() = default;

    // The live word; index is 0..kWordCount - 1.
    virtual int32_t getWord(int index) const = 0;
    virtual void setWord(int index, int32_t value) = 0;

    // Live words <- the defaults file; words the file does not hold (or all,
    // without a file) keep their values.
    virtual void loadLive() = 0;
    // Defaults file <- the live words; nothing happens without its folder.
    virtual void saveLive() = 0;
    // words <- the built-in defaults with the file's words over them, and the
    // result written back to the file.
    virtual void loadDefaults(Words& words) = 0;
};
