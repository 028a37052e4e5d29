#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "view/CBaseObject.h"
#include "view/CPoint.h"
#include "view/CRect.h"

namespace gui {

class CDrawContext;
class CFrame;
class GraphicsImage;

enum CResourceType : int32_t { kIntegerType = 0, kStringType = 1, kUnknownType = 2 };

// Where a bitmap comes from: a numbered or named module resource, or nothing.
struct CResourceDescription {
    CResourceType type = kUnknownType;
    int32_t id = 0;
    std::string name;

    CResourceDescription() = default;
    CResourceDescription(int32_t id) : type(kIntegerType), id(id) {}
    CResourceDescription(const char* name) : type(kStringType), name(name ? name : "") {}
};

// A picture drawn into drawing contexts, whole or one region at a time, at
// one-to-one scale, blended by its own alpha. Decoded pixels are kept
// premultiplied (blue, green, red, alpha bytes, rows top to bottom) and the
// graphics library's image shares that memory.
class CBitmap : public CBaseObject {
public:
    explicit CBitmap(const CResourceDescription& description);
    // A blank image of the size, drawn into through COffscreenContext.
    CBitmap(CFrame* frame, int32_t width, int32_t height);
    ~CBitmap() override;

    // Draw the region of the size of rect starting at offset in the bitmap
    // at rect's top-left (moved by the context's drawing offset).
    virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint());
    virtual void drawTransparent(CDrawContext* context, const CRect& rect,
                                 const CPoint& offset = CPoint());
    // The same with the picture's alpha scaled by alpha / 255.
    virtual void drawAlphaBlend(CDrawContext* context, const CRect& rect,
                                const CPoint& offset = CPoint(), uint8_t alpha = 128);
    // For a region whose every pixel is opaque: the same picture as draw,
    // copied over what is beneath instead of blended.
    void drawOpaque(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint());
    virtual void dispose();
    virtual bool loadFromResource(const CResourceDescription& description);
    virtual bool loadFromPath(const void* platformPath);

    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    const CResourceDescription& getResourceDescription() const { return resourceDesc; }
    bool getNoAlpha() const { return noAlpha; }

    // The graphics library's image, made from the decoded pixels on first use.
    GraphicsImage* getGraphicsImage();
    // The decoded pixels, or none.
    uint8_t* getBits() { return bits.empty() ? nullptr : bits.data(); }

protected:
    // For bitmaps that keep their own copy of the pixels (premultiplied blue,
    // green, red, alpha rows of the given stride). Copies the image's pixels
    // out; false without an image or when the library refuses.
    bool readImagePixels(uint8_t* destination, int32_t stride);
    // Copies the rows firstRow to endRow - 1 of the caller's whole-image buffer
    // into the image; without an image, makes one that draws straight from
    // that buffer, which must outlive it.
    void writeImagePixels(uint8_t* source, int32_t stride, int32_t firstRow, int32_t endRow);

private:
    // Draws the region through the context's canvas: blended by alpha, or
    // copied when opaque is set.
    void drawRegion(CDrawContext* context, const CRect& rect, const CPoint& offset, uint8_t alpha,
                    bool opaque);

    CResourceDescription resourceDesc;
    int32_t width = 0;
    int32_t height = 0;
    bool noAlpha = true;
    std::unique_ptr<GraphicsImage> graphicsImage;
    std::vector<uint8_t> bits;
};

} // namespace gui
