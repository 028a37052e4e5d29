#include "view/platform/GraphicsLibrary.h"

namespace gui {

// cairo needs no start-up. Its static data is never reset, because the host
// process may use cairo itself.
uintptr_t startGraphicsLibrary()
{
    return 1;
}

void stopGraphicsLibrary(uintptr_t)
{}

} // namespace gui
