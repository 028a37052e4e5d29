#include "tools/artwork/Image.h"

namespace artwork {

Image::Image(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_))
{}

Image::~Image()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

uint32_t Image::pixel(int x, int y)
{
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    return reinterpret_cast<const uint32_t*>(data + y * stride)[x];
}

void Image::setPixel(int x, int y, uint32_t argb)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    reinterpret_cast<uint32_t*>(data + y * stride)[x] = argb;
    cairo_surface_mark_dirty(surface_);
}

void Image::paint(Image& source, double x, double y)
{
    cairo_save(cr_);
    cairo_set_source_surface(cr_, source.surface(), x, y);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

bool Image::save(const std::string& path)
{
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace artwork
