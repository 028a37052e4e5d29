#include "view/platform/win32/GraphicsNatives.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace gui {

namespace {

// Low-quality interpolation, pixel units, no pixel offset, no smoothing;
// pen, brush and font brush opaque black.
std::unique_ptr<GraphicsCanvas::Native> prepare(GpStatus status, GpGraphics* graphics)
{
    if (status != Ok || !graphics)
        return nullptr;
    auto native = std::make_unique<GraphicsCanvas::Native>();
    native->graphics = graphics;
    GdipSetInterpolationMode(graphics, InterpolationModeLowQuality);
    GdipSetPageUnit(graphics, UnitPixel);
    GdipSetPixelOffsetMode(graphics, PixelOffsetModeNone);
    GdipSetSmoothingMode(graphics, SmoothingModeNone);
    GdipCreatePen1(0xFF000000, 1.0f, UnitPixel, &native->pen);
    GdipCreateSolidFill(0xFF000000, &native->brush);
    GdipCreateSolidFill(0xFF000000, &native->fontBrush);
    return native;
}

} // namespace

GraphicsCanvas::GraphicsCanvas(std::unique_ptr<Native> nativeCanvas)
    : nativeCanvas(std::move(nativeCanvas))
{}

GraphicsCanvas::~GraphicsCanvas()
{
    if (!graphicsRunning())
        return;
    GdipDeleteBrush(nativeCanvas->fontBrush);
    GdipDeleteBrush(nativeCanvas->brush);
    GdipDeletePen(nativeCanvas->pen);
    GdipDeleteGraphics(nativeCanvas->graphics);
}

std::unique_ptr<GraphicsCanvas> GraphicsCanvas::createOnDevice(void* device)
{
    if (!device || !graphicsRunning())
        return nullptr;
    GpGraphics* graphics = nullptr;
    const GpStatus status = GdipCreateFromHDC(static_cast<HDC>(device), &graphics);
    auto native = prepare(status, graphics);
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsCanvas>(new GraphicsCanvas(std::move(native)));
}

std::unique_ptr<GraphicsCanvas> GraphicsCanvas::createOnImage(GraphicsImage& image)
{
    GpGraphics* graphics = nullptr;
    const GpStatus status = GdipGetImageGraphicsContext(image.native().bitmap, &graphics);
    auto native = prepare(status, graphics);
    if (!native)
        return nullptr;
    return std::unique_ptr<GraphicsCanvas>(new GraphicsCanvas(std::move(native)));
}

namespace {

void keep(int32_t& lastStatus, GpStatus status)
{
    if (status != Ok)
        lastStatus = status;
}

} // namespace

void GraphicsCanvas::setPen(const CColor& color, int32_t width, bool dashed)
{
    Native& n = *nativeCanvas;
    keep(n.lastStatus, GdipSetPenColor(n.pen, color.toArgb()));
    keep(n.lastStatus, GdipSetPenWidth(n.pen, REAL(width)));
    keep(n.lastStatus, GdipSetPenDashStyle(n.pen, dashed ? DashStyleDash : DashStyleSolid));
}

void GraphicsCanvas::setFillColor(const CColor& color)
{
    keep(nativeCanvas->lastStatus, GdipSetSolidFillColor(nativeCanvas->brush, color.toArgb()));
}

void GraphicsCanvas::setFontColor(const CColor& color)
{
    keep(nativeCanvas->lastStatus, GdipSetSolidFillColor(nativeCanvas->fontBrush, color.toArgb()));
}

void GraphicsCanvas::setSmoothing(bool smooth)
{
    keep(nativeCanvas->lastStatus,
         GdipSetSmoothingMode(nativeCanvas->graphics,
                              smooth ? SmoothingModeAntiAlias : SmoothingModeNone));
}

void GraphicsCanvas::setClip(const CRect& clip)
{
    keep(nativeCanvas->lastStatus,
         GdipSetClipRectI(nativeCanvas->graphics, clip.left, clip.top, clip.width(), clip.height(),
                          CombineModeReplace));
}

void GraphicsCanvas::drawLine(const CPoint& from, const CPoint& to)
{
    keep(nativeCanvas->lastStatus,
         GdipDrawLineI(nativeCanvas->graphics, nativeCanvas->pen, from.x, from.y, to.x, to.y));
}

void GraphicsCanvas::fillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    keep(nativeCanvas->lastStatus,
         GdipFillRectangleI(nativeCanvas->graphics, nativeCanvas->brush, x, y, width, height));
}

void GraphicsCanvas::strokeRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    keep(nativeCanvas->lastStatus,
         GdipDrawRectangleI(nativeCanvas->graphics, nativeCanvas->pen, x, y, width, height));
}

double GraphicsCanvas::lineHeight(GraphicsFont& font)
{
    REAL dpi = 96.0f;
    keep(nativeCanvas->lastStatus, GdipGetDpiY(nativeCanvas->graphics, &dpi));
    REAL height = 0.0f;
    keep(nativeCanvas->lastStatus, GdipGetFontHeightGivenDPI(font.native().font, dpi, &height));
    return height;
}

double GraphicsCanvas::measureString(GraphicsFont& font, const char* utf8)
{
    const std::wstring text = toWide(utf8);
    const RectF layout(0.0f, 0.0f, 0.0f, 0.0f);
    RectF box(0.0f, 0.0f, 0.0f, 0.0f);
    keep(nativeCanvas->lastStatus,
         GdipMeasureString(nativeCanvas->graphics, text.c_str(), INT(text.size()),
                           font.native().font, &layout, nullptr, &box, nullptr, nullptr));
    return box.Width;
}

void GraphicsCanvas::drawString(GraphicsFont& font, const char* utf8, double x, double top,
                                bool antialias)
{
    Native& n = *nativeCanvas;
    keep(n.lastStatus,
         GdipSetTextRenderingHint(n.graphics, antialias ? TextRenderingHintClearTypeGridFit
                                                        : TextRenderingHintSystemDefault));
    const std::wstring text = toWide(utf8);
    const RectF layout(REAL(x), REAL(top), 0.0f, 0.0f);
    keep(n.lastStatus, GdipDrawString(n.graphics, text.c_str(), INT(text.size()),
                                      font.native().font, &layout, nullptr, n.fontBrush));
}

void GraphicsCanvas::drawImage(GraphicsImage& image, int32_t x, int32_t y, int32_t sourceX,
                               int32_t sourceY, int32_t width, int32_t height, uint8_t alpha)
{
    Native& n = *nativeCanvas;
    GpImageAttributes* attributes = nullptr;
    if (alpha < 255) {
        // Scales every pixel's alpha, leaves the colours alone.
        ColorMatrix matrix = {};
        for (int i = 0; i < 5; ++i)
            matrix.m[i][i] = 1.0f;
        matrix.m[3][3] = alpha / 255.0f;
        keep(n.lastStatus, GdipCreateImageAttributes(&attributes));
        keep(n.lastStatus,
             GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &matrix,
                                               nullptr, ColorMatrixFlagsDefault));
    }
    keep(n.lastStatus,
         GdipDrawImageRectRectI(n.graphics, image.native().bitmap, x, y, width, height, sourceX,
                                sourceY, width, height, UnitPixel, attributes, nullptr, nullptr));
    if (attributes)
        GdipDisposeImageAttributes(attributes);
}

// GDI+ draws an opaque image over anything as a copy already.
void GraphicsCanvas::copyOpaqueImage(GraphicsImage& image, int32_t x, int32_t y, int32_t sourceX,
                                     int32_t sourceY, int32_t width, int32_t height)
{
    drawImage(image, x, y, sourceX, sourceY, width, height, kOpaqueAlpha);
}

int32_t GraphicsCanvas::getLastStatus() const
{
    return nativeCanvas->lastStatus;
}

} // namespace gui
