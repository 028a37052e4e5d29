// The user's application-data folder + \Corvath\Tolvo.veskpref.
#include "engine/PreferencesPath.h"

// shlobj.h builds on the declarations of windows.h.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

std::string preferencesFilePath()
{
    char folder[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder) != S_OK)
        return std::string();
    return std::string(folder) + "\\Corvath\\Tolvo.veskpref";
}
