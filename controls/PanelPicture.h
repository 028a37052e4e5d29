#pragma once

#include <cstdint>

#include "view/CBaseObject.h"
#include "view/CRect.h"

class CDIB;

namespace gui {
class CDrawContext;
}

// A composing control's private picture: a copy of the panel under the
// control's rectangle, taken once, and a work image of the same size that
// every redraw is composed in. A redraw is compose() (or restore() of a part)
// -> paint into the returned pixels, within the rows given back -> present().
//
// Threads: every operation is [UI], the window thread that draws.
class PanelPicture {
public:
    // Copies the panel pixels under area; the part of area outside the panel
    // image (or all of it, without a panel) stays zero.
    PanelPicture(const CDIB* panel, const gui::CRect& area);
    // Deletes the background image, then the work image.
    ~PanelPicture();
    PanelPicture(const PanelPicture&) = delete;
    PanelPicture& operator=(const PanelPicture&) = delete;

    // Work image <- background image, in one block; answers the work pixels.
    uint8_t* compose();
    // Work image <- background image inside part only (clipped to the
    // picture); answers the work pixels. Paint only the rows of part after it.
    uint8_t* restore(const gui::CRect& part);
    // Commits the rows composed or restored since the last present and draws
    // the work image at the area, source offset (0, 0): copied over what is
    // beneath when the owner knows every pixel of it is opaque, else blended.
    void present(gui::CDrawContext* context, bool opaqueWork);

    CDIB* getWork() const { return work.get(); }
    CDIB* getBackground() const { return background.get(); }
    const gui::CRect& getArea() const { return area; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    int32_t getRowBytes() const { return rowBytes; }
    // True when every pixel of the panel copy is fully opaque.
    bool isOpaque() const { return opaque; }
    // True when a picture composed on the panel copy, without lowering its
    // alpha, covers the view rectangle: opaque, and of the view's size and place.
    bool covers(const gui::CRect& viewSize) const { return opaque && area == viewSize; }

private:
    gui::CRect area;
    int32_t width;
    int32_t height;
    gui::OwnedReference<CDIB> background;
    gui::OwnedReference<CDIB> work;
    int32_t rowBytes;
    bool opaque;
    // The rows painted since the last commit: [firstStaleRow, endStaleRow).
    int32_t firstStaleRow = 0;
    int32_t endStaleRow = 0;
};

// True when the image has pixels and every one of them has full alpha.
bool allPixelsOpaque(const CDIB& image);

// Copies the pixels of source under sourceArea to the top-left of target,
// clipped to both images: what lies outside either is left as it was.
void copyClippedPixels(const CDIB& source, const gui::CRect& sourceArea, CDIB& target);
