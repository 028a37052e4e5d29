// Row by row: one enlarged row is built, then copied to the N - 1 rows below.
#include "view/platform/x11/ScaledCopy.h"

#include <cstddef>
#include <cstring>

namespace gui {

namespace {

constexpr int32_t kBytesPerPixel = 4;

} // namespace

void copyScaled(const ImagePixels& from, const ImagePixels& to, const CRect& area, int32_t scale)
{
    const size_t rowBytes = size_t(area.width()) * size_t(scale) * kBytesPerPixel;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const auto* source =
            reinterpret_cast<const uint32_t*>(from.data + std::ptrdiff_t(y) * from.stride) +
            area.left;
        unsigned char* firstRow = to.data + std::ptrdiff_t(y) * scale * to.stride +
                                  std::ptrdiff_t(area.left) * scale * kBytesPerPixel;
        auto* target = reinterpret_cast<uint32_t*>(firstRow);
        for (int32_t x = 0; x < area.width(); ++x) {
            for (int32_t i = 0; i < scale; ++i)
                *target++ = source[x];
        }
        for (int32_t i = 1; i < scale; ++i)
            std::memcpy(firstRow + std::ptrdiff_t(i) * to.stride, firstRow, rowBytes);
    }
}

} // namespace gui
