// Test binaries that link the engine directly replace the platform's
// preferences location with a file the test chooses (none by default), so no
// test ever reads or writes the user's own preferences.
#pragma once

#include <string>

namespace tolvo {

void usePreferencesFile(const std::string& path);

} // namespace tolvo
