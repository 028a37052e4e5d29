// The load address of the shared object that holds this code.
#include "view/ModuleHandle.h"

#include <dlfcn.h>

namespace gui {

void* moduleHandle()
{
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&moduleHandle), &info) == 0)
        return nullptr;
    return info.dli_fbase;
}

} // namespace gui
