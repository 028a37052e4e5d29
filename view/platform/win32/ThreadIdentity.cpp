#include "view/ThreadIdentity.h"

#include <windows.h>

namespace gui {

// Read from the thread's environment block. std::this_thread::get_id would go
// through the pthreads layer, which allocates a record the first time a
// thread it did not start asks.
uintptr_t currentThreadId()
{
    return static_cast<uintptr_t>(GetCurrentThreadId());
}

} // namespace gui
