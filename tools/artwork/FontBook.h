// The typefaces of the artwork, loaded from fixed font files of Debian's
// fonts-liberation and fonts-dejavu-core packages so that every run renders
// the same pixels.
#pragma once

#include <cairo.h>
#include <string>

namespace artwork {

enum class Face { Sans, SansBold, Condensed, CondensedBold };

class FontBook {
public:
    FontBook();
    ~FontBook();
    FontBook(const FontBook&) = delete;
    FontBook& operator=(const FontBook&) = delete;

    // False when a font file is missing; the generator then refuses to run.
    bool complete() const { return missing_.empty(); }
    const std::string& missing() const { return missing_; }

    // Selects the face at a pixel size with grey antialiasing and slight hinting.
    void select(cairo_t* cr, Face face, double size) const;

private:
    static constexpr int kFaceCount = 4;
    cairo_font_face_t* faces_[kFaceCount] = {};
    std::string missing_;
};

} // namespace artwork
