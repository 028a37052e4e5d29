#pragma once

#include <cstdint>

namespace gui {

// Starts the platform's 2D graphics library; the token is handed back to
// stopGraphicsLibrary. Objects made while one session runs must not be used
// after it stops (GraphicsFont::isCurrent tells).
uintptr_t startGraphicsLibrary();
void stopGraphicsLibrary(uintptr_t token);

} // namespace gui
