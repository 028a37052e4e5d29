// The table of PNG files embedded at build time (generated from resources/).
#pragma once

#include <cstddef>
#include <cstdint>

namespace gui {

struct EmbeddedPng {
    int32_t id;
    const uint8_t* data;
    size_t size;
};

extern const EmbeddedPng kEmbeddedPngs[];
extern const size_t kEmbeddedPngCount;

} // namespace gui
