#pragma once

#include <cstdint>
#include <vector>

#include "view/CBitmap.h"

// A bitmap that keeps a plain copy of its pixels (blue, green, red, alpha,
// premultiplied, rows top to bottom, width * 4 bytes a row) for the controls
// to paint with ordinary loops. The buffer reaches the drawable image only
// through commitPixels.
//
// Threads: every operation is [UI], the window thread that draws.
class CDIB : public gui::CBitmap {
public:
    // Decodes the PNG resource and copies its pixels into the buffer.
    explicit CDIB(int32_t resourceId);
    // A blank image whose buffer starts all zero.
    CDIB(gui::CFrame* frame, int32_t width, int32_t height);
    ~CDIB() override;

    // Buffer <- drawable image.
    void readPixels();
    // Drawable image <- buffer.
    void commitPixels() { commitRows(0, getHeight()); }
    // Drawable image <- buffer, the rows firstRow to endRow - 1 only.
    void commitRows(int32_t firstRow, int32_t endRow);
    // Copies rect's size of pixels from (source.x, source.y) of this image to
    // rect's top-left in the destination. No clipping: callers keep both
    // rectangles inside their images.
    void copyRectTo(CDIB* destination, const gui::CRect& rect, const gui::CPoint& source) const;

    uint8_t* getPixels() { return pixels.empty() ? nullptr : pixels.data(); }
    const uint8_t* getPixels() const { return pixels.empty() ? nullptr : pixels.data(); }
    int32_t getRowBytes() const { return getWidth() * 4; }

private:
    void allocate();

    std::vector<uint8_t> pixels;
};
