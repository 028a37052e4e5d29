// The canvas on Linux: a cairo context on an image surface (the window's back
// buffer or an offscreen image), drawing without antialiasing by default.
#include <cstring>

#include "view/platform/x11/GraphicsNatives.h"

namespace gui {

namespace {

constexpr size_t kPixelBytes = 4;

// An image surface in memory of 32-bit pixels the canvas can copy directly.
bool hasPlainPixels(cairo_surface_t* surface)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
        return false;
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    return (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) &&
           cairo_image_surface_get_data(surface);
}

// The canvas's cairo context with the clip setClip last gave.
cairo_t* clippedContext(GraphicsCanvas::Native& native)
{
    cairo_t* cr = native.cr;
    if (!native.clipApplied) {
        const CRect& clip = native.clip;
        cairo_reset_clip(cr);
        cairo_rectangle(cr, clip.left, clip.top, clip.width(), clip.height());
        cairo_clip(cr);
        native.clipApplied = true;
    }
    return cr;
}

CRect boundsOf(cairo_surface_t* image)
{
    return CRect(0, 0, cairo_image_surface_get_width(image), cairo_image_surface_get_height(image));
}

void setSourceColor(cairo_t* cr, const CColor& color)
{
    cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0);
}

std::unique_ptr<GraphicsCanvas::Native> wrap(cairo_t* cr)
{
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr);
        return nullptr;
    }
    // Copy mode until told otherwise: no smoothing of lines and rectangles.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    auto native = newHolderFor<GraphicsCanvas::Native>(cr, cairo_destroy);
    native->cr = cr;
    return native;
}

void selectFont(cairo_t* cr, GraphicsFont& font)
{
    cairo_set_font_face(cr, font.native().face);
    cairo_set_font_size(cr, font.native().size);
}

// cairo samples pixel centres at half coordinates: odd-width strokes through
// whole coordinates are moved by half a pixel so they cover whole pixels.
double strokeShift(int32_t width)
{
    return (width % 2) ? 0.5 : 0.0;
}

} // namespace

GraphicsCanvas::GraphicsCanvas(std::unique_ptr<Native> nativeCanvas)
    : nativeCanvas(std::move(nativeCanvas))
{}

GraphicsCanvas::~GraphicsCanvas() = default;

std::unique_ptr<GraphicsCanvas> GraphicsCanvas::createOnDevice(void* device)
{
    if (!device)
        return nullptr;
    auto native = wrap(cairo_create(static_cast<cairo_surface_t*>(device)));
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsCanvas>(new GraphicsCanvas(std::move(native)));
}

std::unique_ptr<GraphicsCanvas> GraphicsCanvas::createOnImage(GraphicsImage& image)
{
    auto native = wrap(cairo_create(image.native().surface));
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsCanvas>(new GraphicsCanvas(std::move(native)));
}

void GraphicsCanvas::setPen(const CColor& color, int32_t width, bool dashed)
{
    cairo_t* cr = nativeCanvas->cr;
    nativeCanvas->penColor = color;
    nativeCanvas->penWidth = width;
    cairo_set_line_width(cr, width);
    if (dashed) {
        const double pattern[] = {3.0 * width, 1.0 * width};
        cairo_set_dash(cr, pattern, 2, 0);
    } else {
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    // Solid lines include both end pixels; dashes keep their exact lengths.
    cairo_set_line_cap(cr, dashed ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
}

void GraphicsCanvas::setFillColor(const CColor& color)
{
    nativeCanvas->fillColor = color;
}

void GraphicsCanvas::setFontColor(const CColor& color)
{
    nativeCanvas->fontColor = color;
}

void GraphicsCanvas::setSmoothing(bool smooth)
{
    cairo_set_antialias(nativeCanvas->cr, smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void GraphicsCanvas::setClip(const CRect& clip)
{
    nativeCanvas->clip = clip;
    nativeCanvas->clipped = true;
    nativeCanvas->clipApplied = false;
}

void GraphicsCanvas::drawLine(const CPoint& from, const CPoint& to)
{
    cairo_t* cr = clippedContext(*nativeCanvas);
    const double shift = strokeShift(nativeCanvas->penWidth);
    setSourceColor(cr, nativeCanvas->penColor);
    cairo_move_to(cr, from.x + shift, from.y + shift);
    cairo_line_to(cr, to.x + shift, to.y + shift);
    cairo_stroke(cr);
}

void GraphicsCanvas::fillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    cairo_t* cr = clippedContext(*nativeCanvas);
    setSourceColor(cr, nativeCanvas->fillColor);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
}

void GraphicsCanvas::strokeRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    cairo_t* cr = clippedContext(*nativeCanvas);
    const double shift = strokeShift(nativeCanvas->penWidth);
    setSourceColor(cr, nativeCanvas->penColor);
    cairo_rectangle(cr, x + shift, y + shift, width, height);
    cairo_stroke(cr);
}

double GraphicsCanvas::lineHeight(GraphicsFont& font)
{
    cairo_t* cr = nativeCanvas->cr;
    selectFont(cr, font);
    cairo_font_extents_t extents;
    cairo_font_extents(cr, &extents);
    return extents.height;
}

double GraphicsCanvas::measureString(GraphicsFont& font, const char* utf8)
{
    cairo_t* cr = nativeCanvas->cr;
    selectFont(cr, font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8, &extents);
    return extents.x_advance;
}

void GraphicsCanvas::drawString(GraphicsFont& font, const char* utf8, double x, double top,
                                bool antialias)
{
    cairo_t* cr = clippedContext(*nativeCanvas);
    selectFont(cr, font);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options,
                                     antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);

    cairo_font_extents_t fontExtents;
    cairo_font_extents(cr, &fontExtents);
    const double baseline = top + fontExtents.ascent;
    setSourceColor(cr, nativeCanvas->fontColor);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, utf8);
    if (font.native().underline) {
        cairo_text_extents_t textExtents;
        cairo_text_extents(cr, utf8, &textExtents);
        const double thickness = font.native().size > 14 ? 2.0 : 1.0;
        cairo_rectangle(cr, x, baseline + thickness, textExtents.x_advance, thickness);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
}

void GraphicsCanvas::drawImage(GraphicsImage& image, int32_t x, int32_t y, int32_t sourceX,
                               int32_t sourceY, int32_t width, int32_t height, uint8_t alpha)
{
    cairo_t* cr = clippedContext(*nativeCanvas);
    cairo_save(cr);
    cairo_set_source_surface(cr, image.native().surface, x - sourceX, y - sourceY);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    if (alpha == 255)
        cairo_paint(cr);
    else
        cairo_paint_with_alpha(cr, alpha / 255.0);
    cairo_restore(cr);
}

void GraphicsCanvas::copyOpaqueImage(GraphicsImage& image, int32_t x, int32_t y, int32_t sourceX,
                                     int32_t sourceY, int32_t width, int32_t height)
{
    cairo_t* cr = nativeCanvas->cr;
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_t* source = image.native().surface;
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    const bool untransformed = matrix.xx == 1.0 && matrix.yy == 1.0 && matrix.xy == 0.0 &&
                               matrix.yx == 0.0 && matrix.x0 == 0.0 && matrix.y0 == 0.0;
    if (!untransformed || !hasPlainPixels(target) || !hasPlainPixels(source) ||
        cairo_image_surface_get_format(source) != CAIRO_FORMAT_ARGB32) {
        drawImage(image, x, y, sourceX, sourceY, width, height, kOpaqueAlpha);
        return;
    }
    // The part of the region inside the clip and both images, row by row.
    CRect area(x, y, x + width, y + height);
    area.bound(boundsOf(target));
    if (nativeCanvas->clipped)
        area.bound(nativeCanvas->clip);
    CRect sourceArea = boundsOf(source);
    sourceArea.offset(x - sourceX, y - sourceY);
    area.bound(sourceArea);
    if (area.isEmpty())
        return;
    cairo_surface_flush(target);
    cairo_surface_flush(source);
    const int32_t targetStride = cairo_image_surface_get_stride(target);
    const int32_t sourceStride = cairo_image_surface_get_stride(source);
    uint8_t* to = cairo_image_surface_get_data(target);
    const uint8_t* from = cairo_image_surface_get_data(source);
    const size_t rowBytes = size_t(area.width()) * kPixelBytes;
    for (int32_t row = area.top; row < area.bottom; ++row)
        std::memcpy(to + size_t(row) * targetStride + size_t(area.left) * kPixelBytes,
                    from + size_t(row - y + sourceY) * sourceStride +
                        size_t(area.left - x + sourceX) * kPixelBytes,
                    rowBytes);
    cairo_surface_mark_dirty_rectangle(target, area.left, area.top, area.width(), area.height());
}

int32_t GraphicsCanvas::getLastStatus() const
{
    // A cairo context keeps its first error for good.
    return int32_t(cairo_status(nativeCanvas->cr));
}

} // namespace gui
