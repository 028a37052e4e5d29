// The DLL entry keeps the module's HINSTANCE for the view framework.
#include "view/ModuleHandle.h"

#include <atomic>
#include <windows.h>

namespace {

std::atomic<HINSTANCE> module{nullptr};

} // namespace

// Stores the handle on every notification (process and thread attach and
// detach alike) and always lets the load go on.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
    module.store(instance, std::memory_order_relaxed);
    return TRUE;
}

namespace gui {

void* moduleHandle()
{
    return module.load(std::memory_order_relaxed);
}

} // namespace gui
