#include <algorithm>
#include <cstring>

#include "view/platform/win32/GraphicsNatives.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace gui {

namespace {

std::unique_ptr<GraphicsImage::Native> wrap(GpStatus status, GpBitmap* bitmap)
{
    if (status != Ok || !bitmap)
        return nullptr;
    auto native = std::make_unique<GraphicsImage::Native>();
    native->bitmap = bitmap;
    return native;
}

} // namespace

GraphicsImage::GraphicsImage(std::unique_ptr<Native> nativeImage)
    : nativeImage(std::move(nativeImage))
{}

GraphicsImage::~GraphicsImage()
{
    if (graphicsRunning())
        GdipDisposeImage(nativeImage->bitmap);
}

std::unique_ptr<GraphicsImage> GraphicsImage::createBlank(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || !graphicsRunning())
        return nullptr;
    GpBitmap* bitmap = nullptr;
    const GpStatus status =
        GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    auto native = wrap(status, bitmap);
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsImage>(new GraphicsImage(std::move(native)));
}

std::unique_ptr<GraphicsImage> GraphicsImage::createSharing(int32_t width, int32_t height,
                                                            int32_t stride, uint8_t* pixels)
{
    if (width <= 0 || height <= 0 || !pixels || !graphicsRunning())
        return nullptr;
    GpBitmap* bitmap = nullptr;
    const GpStatus status =
        GdipCreateBitmapFromScan0(width, height, stride, PixelFormat32bppPARGB, pixels, &bitmap);
    auto native = wrap(status, bitmap);
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsImage>(new GraphicsImage(std::move(native)));
}

int32_t GraphicsImage::getWidth() const
{
    UINT width = 0;
    GdipGetImageWidth(nativeImage->bitmap, &width);
    return int32_t(width);
}

int32_t GraphicsImage::getHeight() const
{
    UINT height = 0;
    GdipGetImageHeight(nativeImage->bitmap, &height);
    return int32_t(height);
}

namespace {

// Locks the rows firstRow to endRow - 1 of the bitmap as premultiplied 32-bit
// pixels. False, with the status kept, when the lock fails or gives no pixels
// (wine grants the lock of a bitmap a graphics object still draws on without
// giving its pixels).
bool lockRows(GraphicsImage::Native& native, int32_t width, int32_t firstRow, int32_t endRow,
              ImageLockMode mode, BitmapData& data)
{
    GpRect rows(0, firstRow, width, endRow - firstRow);
    const GpStatus status =
        GdipBitmapLockBits(native.bitmap, &rows, mode, PixelFormat32bppPARGB, &data);
    if (status != Ok) {
        native.lastStatus = status;
        return false;
    }
    if (!data.Scan0) {
        GdipBitmapUnlockBits(native.bitmap, &data);
        native.lastStatus = ObjectBusy;
        return false;
    }
    return true;
}

void unlock(GraphicsImage::Native& native, BitmapData& data)
{
    const GpStatus status = GdipBitmapUnlockBits(native.bitmap, &data);
    if (status != Ok)
        native.lastStatus = status;
}

} // namespace

bool GraphicsImage::readPixels(uint8_t* destination, int32_t stride)
{
    const int32_t width = getWidth();
    const int32_t height = getHeight();
    BitmapData data;
    if (!lockRows(*nativeImage, width, 0, height, ImageLockModeRead, data))
        return false;
    for (int32_t row = 0; row < height; ++row)
        std::memcpy(destination + size_t(row) * stride,
                    static_cast<uint8_t*>(data.Scan0) + ptrdiff_t(row) * data.Stride,
                    size_t(width) * 4);
    unlock(*nativeImage, data);
    return true;
}

bool GraphicsImage::writePixels(const uint8_t* source, int32_t stride, int32_t firstRow,
                                int32_t endRow)
{
    const int32_t width = getWidth();
    firstRow = std::max(firstRow, 0);
    endRow = std::min(endRow, getHeight());
    if (firstRow >= endRow)
        return true;
    BitmapData data;
    if (!lockRows(*nativeImage, width, firstRow, endRow, ImageLockModeWrite, data))
        return false;
    for (int32_t row = firstRow; row < endRow; ++row)
        std::memcpy(static_cast<uint8_t*>(data.Scan0) + ptrdiff_t(row - firstRow) * data.Stride,
                    source + size_t(row) * stride, size_t(width) * 4);
    unlock(*nativeImage, data);
    return true;
}

int32_t GraphicsImage::getLastStatus() const
{
    return nativeImage->lastStatus;
}

} // namespace gui
