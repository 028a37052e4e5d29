#pragma once

#include "view/CDrawContext.h"

namespace gui {

class CBitmap;

// A drawing context whose canvas draws into a bitmap of its own size. The
// background colour is kept but never painted: whoever draws into the
// offscreen covers it. The picture is copied out by drawing getBitmap().
class COffscreenContext : public CDrawContext {
public:
    COffscreenContext(CFrame* frame, int32_t width, int32_t height,
                      const CColor& background = kBlackCColor);
    ~COffscreenContext() override;

    CBitmap* getBitmap() const { return bitmap; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    CColor getBackgroundColor() const { return backgroundColor; }

private:
    COffscreenContext(CFrame* frame, CBitmap* bitmap, int32_t width, int32_t height,
                      const CColor& background);

    CBitmap* bitmap;
    int32_t height;
    int32_t width;
    CColor backgroundColor;
};

} // namespace gui
