// The user's application-data folder + \Corvath\Tolvo.veskpref.
#include "engine/PreferencesPath.h"

#include <shlobj.h>
#include <windows.h>

std::string preferencesFilePath()
{
    char folder[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder) != S_OK)
        return std::string();
    return std::string(folder) + "\\Corvath\\Tolvo.veskpref";
}
