// Every instance this test program creates reads and writes its preferences
// under a private, initially empty configuration folder, never the user's.
#include <cstdlib>
#include <string>

#include "tests/support/engine/TempFolder.h"

namespace tolvo {

namespace {

struct IsolatedConfigHome {
    IsolatedConfigHome() { setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1); }
    tolvo::TempFolder folder;
};

const IsolatedConfigHome isolated;

} // namespace

} // namespace tolvo
