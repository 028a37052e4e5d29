// The settings page's store over a real instance's live settings words and
// the real defaults file, as the editor wires it.
#pragma once

#include "controls/SettingsStore.h"
#include "engine/PlugSettings.h"
#include "engine/PreferencesFile.h"

namespace tolvo {

class EngineSettingsStore : public SettingsStore {
public:
    explicit EngineSettingsStore(PlugSettings& live) : live(live) {}

    int32_t getWord(int index) const override { return live.get(index); }
    void setWord(int index, int32_t value) override { live.set(index, value); }
    void loadLive() override { PreferencesFile::load(live); }
    void saveLive() override { PreferencesFile::save(live); }
    void loadDefaults(Words& words) override
    {
        PlugSettings copy;
        PreferencesFile::loadDefaults(copy);
        for (int word = 0; word < kWordCount; ++word)
            words[word] = copy.get(word);
    }

private:
    PlugSettings& live;
};

} // namespace tolvo
