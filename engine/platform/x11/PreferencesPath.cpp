// $XDG_CONFIG_HOME/Corvath/Tolvo.veskpref, or ~/.config/Corvath/Tolvo.veskpref
// when XDG_CONFIG_HOME is unset or empty.
#include "engine/PreferencesPath.h"

#include <cstdlib>

std::string preferencesFilePath()
{
    std::string folder;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (configHome && *configHome)
        folder = configHome;
    else if (home && *home)
        folder = std::string(home) + "/.config";
    else
        return std::string();
    return folder + "/Corvath/Tolvo.veskpref";
}
