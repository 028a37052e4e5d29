#pragma once

// cairo objects behind the portable graphics classes; only the X11 platform
// layer sees them.

#include <cairo.h>
#include <memory>

#include "view/CColor.h"
#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsFont.h"
#include "view/platform/GraphicsImage.h"

namespace gui {

// Each holder releases its cairo object, also when the object that was to
// keep it could not be made.
struct GraphicsImage::Native {
    Native() = default;
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;
    ~Native() { cairo_surface_destroy(surface); }

    cairo_surface_t* surface = nullptr;
    int32_t lastStatus = 0;
};

struct GraphicsFont::Native {
    cairo_font_face_t* face = nullptr;
    int32_t size = 0;
    bool underline = false;
};

struct GraphicsCanvas::Native {
    Native() = default;
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;
    ~Native() { cairo_destroy(cr); }

    cairo_t* cr = nullptr;
    // The clip setClip last gave; none before it. cairo gets it only before
    // it draws: an opaque copy needs none, and building a cairo clip costs
    // more than the copy of a few rows.
    CRect clip;
    bool clipped = false;
    bool clipApplied = true;
    CColor penColor;
    CColor fillColor;
    CColor fontColor;
    int32_t penWidth = 1;
};

// A new holder for a cairo object; when the holder cannot be made the object
// is released before the failure goes on.
template <typename Native, typename Object>
std::unique_ptr<Native> newHolderFor(Object* object, void (*release)(Object*))
{
    try {
        return std::make_unique<Native>();
    } catch (...) {
        release(object);
        throw;
    }
}

} // namespace gui
