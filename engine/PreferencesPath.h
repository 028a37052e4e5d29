// Where the per-user preferences file lives on this platform; empty when the
// platform gives no folder. The environment is read afresh at every call.
#pragma once

#include <string>

std::string preferencesFilePath();
