// The per-user defaults file: the seven settings words as 28 bytes, each word
// big-endian. Its folder is never created; when it is missing, loading leaves
// the words as they were and saving writes nothing.
#pragma once

#include "engine/PlugSettings.h"

class PreferencesFile {
public:
    // Reads the whole words present over the record, in order; words the file
    // does not hold keep their values.
    static void load(PlugSettings& settings);
    // Writes all seven words (28 bytes), replacing the file.
    static void save(const PlugSettings& settings);
    // Defaults, then load, then save.
    static void loadDefaults(PlugSettings& settings);
};
