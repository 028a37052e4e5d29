// What the mouse tests need to know about the window system: whether the
// pointer shows (the dragging controls hide it during a drag and must show
// it again at the release), and whether modifier keys sent as synthetic
// input reach the test windows' mouse events.
#pragma once

namespace tolvo {

bool pointerShown();
bool syntheticModifiersReachMouseEvents();

} // namespace tolvo
