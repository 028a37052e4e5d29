#include "tools/artwork/FontBook.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

namespace artwork {

namespace {

const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
};

cairo_font_face_t* loadFace(const char* file)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(file));
    FcPatternAddInteger(pattern, FC_INDEX, 0);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    return face;
}

} // namespace

FontBook::FontBook()
{
    for (int i = 0; i < kFaceCount; ++i) {
        if (access(kFontFiles[i], R_OK) != 0) {
            missing_ += std::string(missing_.empty() ? "" : ", ") + kFontFiles[i];
            continue;
        }
        faces_[i] = loadFace(kFontFiles[i]);
    }
}

FontBook::~FontBook()
{
    for (cairo_font_face_t* face : faces_) {
        if (face)
            cairo_font_face_destroy(face);
    }
}

void FontBook::select(cairo_t* cr, Face face, double size) const
{
    cairo_set_font_face(cr, faces_[static_cast<int>(face)]);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace artwork
