// The PNG images built into the module, found by their resource number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gui {

struct ResourceBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// The bytes of PNG resource `id`, or {nullptr, 0} when the module holds none.
// The bytes live as long as the module.
ResourceBytes findPngResource(int32_t id);

} // namespace gui
