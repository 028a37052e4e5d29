#include "editor/PlugSettingsStore.h"

#include "engine/PlugSettings.h"
#include "engine/PreferencesFile.h"

PlugSettingsStore::PlugSettingsStore(PlugSettings& live) : live(live) {}

int32_t PlugSettingsStore::getWord(int word) const
{
    return word >= 0 && word < kNumSettings ? live.get(word) : 0;
}

void PlugSettingsStore::setWord(int word, int32_t value)
{
    if (word >= 0 && word < kNumSettings)
        live.set(word, value);
}

void PlugSettingsStore::revertToDefaults()
{
    PreferencesFile::load(live);
}

void PlugSettingsStore::saveAsDefaults()
{
    PreferencesFile::save(live);
}

void PlugSettingsStore::readDefaults(int32_t* words)
{
    PlugSettings defaults;
    PreferencesFile::loadDefaults(defaults);
    const SettingsWords read = defaults.snapshot();
    for (int word = 0; word < kNumSettings; ++word)
        words[word] = read[word];
}
