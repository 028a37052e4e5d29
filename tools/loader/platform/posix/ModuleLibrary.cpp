#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include "tools/loader/PluginModule.h"

namespace tolvo {

PluginModule::PluginModule(const std::string& path)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* message = dlerror();
        error = message ? message : "dlopen failed";
    }
}

PluginModule::~PluginModule()
{
    if (handle)
        dlclose(handle);
}

void* PluginModule::symbol(const char* name) const
{
    return handle ? dlsym(handle, name) : nullptr;
}

std::string PluginModule::besideExecutable()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return "Tolvo.so";
    std::string executable(path, static_cast<size_t>(length));
    return executable.substr(0, executable.find_last_of('/') + 1) + "Tolvo.so";
}

} // namespace tolvo
