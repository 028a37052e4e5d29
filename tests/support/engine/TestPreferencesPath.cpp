// Linked ahead of the engine library, this definition of the preferences
// location takes the place of the platform's.
#include "tests/support/engine/TestPreferencesPath.h"

#include "engine/PreferencesPath.h"

namespace {

std::string& chosenFile()
{
    static std::string path;
    return path;
}

} // namespace

namespace tolvo {

void usePreferencesFile(const std::string& path)
{
    chosenFile() = path;
}

} // namespace tolvo

std::string preferencesFilePath()
{
    return chosenFile();
}
