// The settings page's view of the instance: the live settings words and the
// preferences file, behind the interface the controls know.
#pragma once

#include "controls/SettingsStore.h"

class PlugSettings;

class PlugSettingsStore : public SettingsStore {
public:
    explicit PlugSettingsStore(PlugSettings& live);

    int32_t getWord(int word) const override;
    void setWord(int word, int32_t value) override;
    void revertToDefaults() override;
    void saveAsDefaults() override;
    void readDefaults(int32_t* words) override;

private:
    PlugSettings& live;
};
