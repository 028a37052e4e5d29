#include "view/platform/x11/GraphicsNatives.h"

namespace gui {

// cairo resolves the face through fontconfig, whose configuration maps
// metric-compatible families ("Arial" to Liberation Sans) and appends the
// generic sans-serif family to any name it cannot find.
std::unique_ptr<GraphicsFont> GraphicsFont::create(const std::string& face, int32_t size,
                                                   int32_t style)
{
    auto native = std::make_unique<Native>();
    native->face = cairo_toy_font_face_create(
        face.c_str(), (style & 2) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        (style & 1) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    if (cairo_font_face_status(native->face) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(native->face);
        return nullptr;
    }
    native->size = size;
    native->underline = (style & 4) != 0;
    return std::unique_ptr<GraphicsFont>(new GraphicsFont(std::move(native)));
}

GraphicsFont::GraphicsFont(std::unique_ptr<Native> nativeFont) : nativeFont(std::move(nativeFont))
{}

GraphicsFont::~GraphicsFont()
{
    cairo_font_face_destroy(nativeFont->face);
}

bool GraphicsFont::isCurrent() const
{
    return true;
}

std::string GraphicsFont::fallbackFaceName()
{
    return "sans-serif";
}

} // namespace gui
