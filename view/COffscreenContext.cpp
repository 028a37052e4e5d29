#include "view/COffscreenContext.h"

#include "view/CBitmap.h"
#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsImage.h"

namespace gui {

namespace {

std::unique_ptr<GraphicsCanvas> canvasOn(CBitmap* bitmap)
{
    GraphicsImage* image = bitmap->getGraphicsImage();
    return image ? GraphicsCanvas::createOnImage(*image) : nullptr;
}

} // namespace

COffscreenContext::COffscreenContext(CFrame* frame, int32_t width, int32_t height,
                                     const CColor& background)
    : COffscreenContext(frame, new CBitmap(frame, width, height), width, height, background)
{}

COffscreenContext::COffscreenContext(CFrame* frame, CBitmap* bitmap, int32_t width, int32_t height,
                                     const CColor& background)
    : CDrawContext(frame, CRect(0, 0, width, height), canvasOn(bitmap)), bitmap(bitmap),
      height(height), width(width), backgroundColor(background)
{}

COffscreenContext::~COffscreenContext()
{
    dropCanvas();
    bitmap->forget();
}

} // namespace gui
