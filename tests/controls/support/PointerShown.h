// Whether the user can see the pointer where it is now: the dragging
// controls hide it during a drag and must show it again at the release.
#pragma once

namespace controltest {

bool pointerShown();

} // namespace controltest
