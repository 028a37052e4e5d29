#include <windows.h>

#include "tools/loader/PluginModule.h"

namespace tolvo {

PluginModule::PluginModule(const std::string& path)
{
    handle = LoadLibraryA(path.c_str());
    if (!handle)
        error = "LoadLibrary failed with error " + std::to_string(GetLastError());
}

PluginModule::~PluginModule()
{
    if (handle)
        FreeLibrary(static_cast<HMODULE>(handle));
}

void* PluginModule::symbol(const char* name) const
{
    return handle ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name))
                  : nullptr;
}

std::string PluginModule::besideExecutable()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "Tolvo.dll";
    std::string executable(path, length);
    return executable.substr(0, executable.find_last_of("\\/") + 1) + "Tolvo.dll";
}

} // namespace tolvo
