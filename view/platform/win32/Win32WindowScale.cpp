// The editor scale on Windows: the window host draws at 1× only.
#include "view/PlatformWindow.h"

namespace gui {

int32_t PlatformWindow::chooseScale(int32_t, double)
{
    return 1;
}

} // namespace gui
