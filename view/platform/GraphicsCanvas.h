#pragma once

#include <cstdint>
#include <memory>

#include "view/CColor.h"
#include "view/CPoint.h"
#include "view/CRect.h"

namespace gui {

class GraphicsFont;
class GraphicsImage;

// The graphics library's canvas bound to a device or an image. Coordinates
// are device pixels; the caller has already applied its drawing offset.
// Failing library calls do not stop drawing: the canvas keeps the last
// failing status and goes on.
class GraphicsCanvas {
public:
    // On the platform's device (see CDrawContext); none when it fails.
    static std::unique_ptr<GraphicsCanvas> createOnDevice(void* device);
    // Drawing into the image.
    static std::unique_ptr<GraphicsCanvas> createOnImage(GraphicsImage& image);
    ~GraphicsCanvas();

    void setPen(const CColor& color, int32_t width, bool dashed);
    void setFillColor(const CColor& color);
    void setFontColor(const CColor& color);
    void setSmoothing(bool smooth);
    void setClip(const CRect& clip);

    // A line through the centres of both end pixels, end pixels included.
    void drawLine(const CPoint& from, const CPoint& to);
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height);
    // Outlines the pixels from (x, y) to (x + width, y + height) inclusive.
    void strokeRect(int32_t x, int32_t y, int32_t width, int32_t height);

    // The distance between baselines of the font on this canvas, in pixels.
    double lineHeight(GraphicsFont& font);
    double measureString(GraphicsFont& font, const char* utf8);
    // Draws the text with its line box's top-left corner at (x, top).
    void drawString(GraphicsFont& font, const char* utf8, double x, double top, bool antialias);

    // Copies the region (sourceX, sourceY, width, height) of the image one to
    // one to (x, y), blended by the image's alpha scaled by alpha / 255.
    void drawImage(GraphicsImage& image, int32_t x, int32_t y, int32_t sourceX, int32_t sourceY,
                   int32_t width, int32_t height, uint8_t alpha);
    // The same for an image whose every pixel in the region is opaque: its
    // pixels replace those beneath, which is what drawImage at full alpha
    // gives, without the blending.
    void copyOpaqueImage(GraphicsImage& image, int32_t x, int32_t y, int32_t sourceX,
                         int32_t sourceY, int32_t width, int32_t height);

    int32_t getLastStatus() const;

    struct Native;

private:
    explicit GraphicsCanvas(std::unique_ptr<Native> nativeCanvas);
    std::unique_ptr<Native> nativeCanvas;
};

} // namespace gui
