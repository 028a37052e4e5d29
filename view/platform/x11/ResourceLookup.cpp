// PNG images come from the table generated from resources/ at build time.
#include "view/ResourceLookup.h"

#include "view/platform/x11/EmbeddedPng.h"

namespace gui {

ResourceBytes findPngResource(int32_t id)
{
    for (size_t i = 0; i < kEmbeddedPngCount; ++i) {
        if (kEmbeddedPngs[i].id == id)
            return {kEmbeddedPngs[i].data, kEmbeddedPngs[i].size};
    }
    return {};
}

} // namespace gui
