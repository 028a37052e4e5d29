// How many child windows a window has: the editor's window lives as a child
// of the host's.
#pragma once

namespace tolvo {

int childWindowCount(void* window);

} // namespace tolvo
