// A premultiplied 32-bit cairo image the artwork is painted into.
#pragma once

#include <cairo.h>
#include <cstdint>
#include <string>

namespace artwork {

class Image {
public:
    Image(int width, int height);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() { return cr_; }
    cairo_surface_t* surface() { return surface_; }

    // Pixel access in premultiplied 0xAARRGGBB words (flushes and marks the
    // surface dirty around the caller's changes).
    uint32_t pixel(int x, int y);
    void setPixel(int x, int y, uint32_t argb);

    // Copies `source` with its alpha over this image at (x, y).
    void paint(Image& source, double x, double y);

    bool save(const std::string& path);

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

} // namespace artwork
