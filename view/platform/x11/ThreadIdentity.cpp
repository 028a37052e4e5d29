#include "view/ThreadIdentity.h"

#include <pthread.h>

namespace gui {

// glibc's pthread_self reads the thread pointer; it makes no call into the
// kernel and creates nothing, even for a thread the host started.
uintptr_t currentThreadId()
{
    return static_cast<uintptr_t>(pthread_self());
}

} // namespace gui
