#include "editor/PlugSettingsStore.h"

#include "engine/PlugSettings.h"
#include "engine/PreferencesFile.h"

PlugSettingsStore::PlugSettingsStore(PlugSettings& live) : live(live)
{}

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
    words = defaults.snapshot();
}
