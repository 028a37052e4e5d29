#include "editor/PlugSettingsStore.h"

#include <cstddef>

#include "engine/PlugSettings.h"
#include "engine/PreferencesFile.h"

static_assert(SettingsStore::kWordCount == kNumSettings, "the page edits every settings word");

PlugSettingsStore::PlugSettingsStore(PlugSettings& live) : live(live) {}

int32_t PlugSettingsStore::getWord(int index) const
{
    return index >= 0 && index < kNumSettings ? live.get(index) : 0;
}

void PlugSettingsStore::setWord(int index, int32_t value)
{
    if (index >= 0 && index < kNumSettings)
        live.set(index, value);
}

void PlugSettingsStore::loadLive()
{
    PreferencesFile::load(live);
}

void PlugSettingsStore::saveLive()
{
    PreferencesFile::save(live);
}

void PlugSettingsStore::loadDefaults(Words& words)
{
    PlugSettings defaults;
    PreferencesFile::loadDefaults(defaults);
    const SettingsWords read = defaults.snapshot();
    for (int index = 0; index < kNumSettings; ++index)
        words[static_cast<std::size_t>(index)] = read[static_cast<std::size_t>(index)];
}
