// Where instances keep the per-user preferences file on Windows.
#include <gtest/gtest.h>

// shlobj.h builds on the declarations of windows.h.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include "engine/PreferencesPath.h"

namespace tolvo {

namespace {

TEST(PreferencesLocation, ApplicationDataFolderThenCorvath)
{
    char folder[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder), S_OK);
    EXPECT_EQ(preferencesFilePath(), std::string(folder) + "\\Corvath\\Tolvo.veskpref");
}

} // namespace

} // namespace tolvo
