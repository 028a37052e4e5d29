// Drawing helpers shared by the pictures: colours, shapes, text, surfaces.
#pragma once

#include <cairo.h>
#include <cstdint>
#include <memory>
#include <string>

#include "tools/artwork/FontBook.h"
#include "tools/artwork/Image.h"

namespace artwork {

struct Rgb {
    double r, g, b;
};

Rgb rgb(uint32_t hex);
Rgb mix(Rgb a, Rgb b, double t);
Rgb scaled(Rgb colour, double factor);
void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// A vertical linear gradient from `top` at y0 to `bottom` at y1 as the source.
void verticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);

enum class Align { Left, Centre, Right };

struct TextStyle {
    Face face;
    double size;
    Rgb colour;
    double tracking = 0.0; // extra pixels after every character
    Align align = Align::Left;
    bool shadow = false; // a dark copy one pixel lower, as engraved print
};

double textWidth(cairo_t* cr, const FontBook& fonts, const TextStyle& style,
                 const std::string& text);
void drawText(cairo_t* cr, const FontBook& fonts, const TextStyle& style, double x, double baseline,
              const std::string& text);
// The style with tracking, then size, reduced until the text fits `width`.
TextStyle fitted(cairo_t* cr, const FontBook& fonts, TextStyle style, const std::string& text,
                 double width);

// Deterministic pseudo-random numbers for surface texture.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double next(); // -1..1
private:
    uint32_t state_;
};

// Fine vertical brushing over a rectangle, painted pixel by pixel.
void brushedMetal(Image& image, int x, int y, int w, int h, Rgb base, double depth, uint32_t seed);
// A strip of `frames` frames side by side, each showing the panel at (left,
// top), for pictures that must be opaque where the editor places them.
std::unique_ptr<Image> panelBackedStrip(Image& panel, int left, int top, int frameWidth, int height,
                                        int frames);
// A recessed field: shaded inner edge above and left, light lip below.
void insetField(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb fill);
// A cross-head screw of about 7 pixels.
void screw(cairo_t* cr, double cx, double cy, double turn);

} // namespace artwork
