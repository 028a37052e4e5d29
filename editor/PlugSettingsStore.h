// The settings page's view of the instance: its live settings words and the
// preferences file, behind the interface the controls know.
// Threads: every operation is [UI], as the settings page calls them.
#pragma once

#include "controls/SettingsStore.h"

class PlugSettings;

class PlugSettingsStore : public SettingsStore {
public:
    explicit PlugSettingsStore(PlugSettings& live);

    // Indices outside the seven words read as 0 and are not written.
    int32_t getWord(int index) const override;
    void setWord(int index, int32_t value) override;
    void loadLive() override;
    void saveLive() override;
    void loadDefaults(Words& words) override;

private:
    PlugSettings& live;
};
