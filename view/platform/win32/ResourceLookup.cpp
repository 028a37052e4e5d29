// PNG images are "PNG" resources of the module, numbered by id (resources/Tolvo.rc).
#include "view/ResourceLookup.h"

#include <windows.h>

#include "view/ModuleHandle.h"

namespace gui {

ResourceBytes findPngResource(int32_t id)
{
    // Outside the plug-in module (test programs) the handle is null, which
    // names the program's own resources.
    HMODULE module = static_cast<HMODULE>(moduleHandle());
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), "PNG");
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded)
        return {};
    const void* data = LockResource(loaded);
    const DWORD size = SizeofResource(module, resource);
    if (!data || size == 0)
        return {};
    return {static_cast<const uint8_t*>(data), size_t(size)};
}

} // namespace gui
