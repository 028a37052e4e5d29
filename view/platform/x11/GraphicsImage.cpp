#include <algorithm>
#include <cstring>

#include "view/platform/x11/GraphicsNatives.h"

namespace gui {

namespace {

// cairo's ARGB32 surfaces hold premultiplied pixels, one 32-bit word each:
// blue, green, red, alpha in memory on little-endian machines.
std::unique_ptr<GraphicsImage::Native> wrap(cairo_surface_t* surface)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    auto native = newHolderFor<GraphicsImage::Native>(surface, cairo_surface_destroy);
    native->surface = surface;
    return native;
}

} // namespace

GraphicsImage::GraphicsImage(std::unique_ptr<Native> nativeImage)
    : nativeImage(std::move(nativeImage))
{}

GraphicsImage::~GraphicsImage() = default;

std::unique_ptr<GraphicsImage> GraphicsImage::createBlank(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto native = wrap(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsImage>(new GraphicsImage(std::move(native)));
}

std::unique_ptr<GraphicsImage> GraphicsImage::createSharing(int32_t width, int32_t height,
                                                            int32_t stride, uint8_t* pixels)
{
    if (width <= 0 || height <= 0 || !pixels ||
        stride != cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width))
        return nullptr;
    auto native = wrap(
        cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_ARGB32, width, height, stride));
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsImage>(new GraphicsImage(std::move(native)));
}

int32_t GraphicsImage::getWidth() const
{
    return cairo_image_surface_get_width(nativeImage->surface);
}

int32_t GraphicsImage::getHeight() const
{
    return cairo_image_surface_get_height(nativeImage->surface);
}

bool GraphicsImage::readPixels(uint8_t* destination, int32_t stride)
{
    cairo_surface_t* surface = nativeImage->surface;
    cairo_surface_flush(surface);
    const uint8_t* source = cairo_image_surface_get_data(surface);
    if (!source) {
        nativeImage->lastStatus = cairo_surface_status(surface);
        return false;
    }
    const int32_t sourceStride = cairo_image_surface_get_stride(surface);
    const size_t rowBytes = size_t(getWidth()) * 4;
    for (int32_t row = 0; row < getHeight(); ++row)
        std::memcpy(destination + size_t(row) * stride, source + size_t(row) * sourceStride,
                    rowBytes);
    return true;
}

bool GraphicsImage::writePixels(const uint8_t* source, int32_t stride, int32_t firstRow,
                                int32_t endRow)
{
    firstRow = std::max(firstRow, 0);
    endRow = std::min(endRow, getHeight());
    if (firstRow >= endRow)
        return true;
    cairo_surface_t* surface = nativeImage->surface;
    cairo_surface_flush(surface);
    uint8_t* destination = cairo_image_surface_get_data(surface);
    if (!destination) {
        nativeImage->lastStatus = cairo_surface_status(surface);
        return false;
    }
    const int32_t destinationStride = cairo_image_surface_get_stride(surface);
    const size_t rowBytes = size_t(getWidth()) * 4;
    for (int32_t row = firstRow; row < endRow; ++row)
        std::memcpy(destination + size_t(row) * destinationStride, source + size_t(row) * stride,
                    rowBytes);
    cairo_surface_mark_dirty_rectangle(surface, 0, firstRow, getWidth(), endRow - firstRow);
    return true;
}

int32_t GraphicsImage::getLastStatus() const
{
    return nativeImage->lastStatus;
}

} // namespace gui
