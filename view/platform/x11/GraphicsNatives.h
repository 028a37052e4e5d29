#pragma once

// cairo objects behind the portable graphics classes; only the X11 platform
// layer sees them.

#include "view/CColor.h"
#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsFont.h"
#include "view/platform/GraphicsImage.h"

#include <cairo.h>

namespace gui {

struct GraphicsImage::Native {
    cairo_surface_t* surface = nullptr;
    int32_t lastStatus = 0;
};

struct GraphicsFont::Native {
    cairo_font_face_t* face = nullptr;
    int32_t size = 0;
    bool underline = false;
};

struct GraphicsCanvas::Native {
    cairo_t* cr = nullptr;
    CColor penColor;
    CColor fillColor;
    CColor fontColor;
    int32_t penWidth = 1;
};

} // namespace gui
