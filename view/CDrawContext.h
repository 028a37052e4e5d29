#pragma once

#include <cstdint>
#include <memory>

#include "view/CBaseObject.h"
#include "view/CColor.h"
#include "view/CPoint.h"
#include "view/CRect.h"

namespace gui {

class CFrame;
class CFontDesc;
class GraphicsCanvas;

enum CDrawStyle : int32_t { kDrawStroked = 0, kDrawFilled = 1, kDrawFilledAndStroked = 2 };
enum CLineStyle : int32_t { kLineSolid = 0, kLineOnOffDash = 1 };
enum CDrawMode : int32_t { kCopyMode = 0, kAntialias = 1 };
enum CHoriTxtAlign : int32_t { kLeftText = 0, kCenterText = 1, kRightText = 2 };

// A canvas for one paint: lines, rectangles, text and clipping on a device,
// a window or (through COffscreenContext) a bitmap. Every coordinate handed in
// is moved by the drawing offset; containers move that offset while they draw
// their children.
//
// The device is the platform's drawing target: a device context (HDC) on
// Windows, a cairo image surface on X11. Without a device, a Windows context
// borrows the window's device context and gives it back when destroyed; an X11
// window has no drawable device of its own, so such a context draws nothing.
class CDrawContext : public CBaseObject {
public:
    CDrawContext(CFrame* frame, void* device, void* window);
    ~CDrawContext() override;

    // Back to the state of a new context on the same device: no offset, the
    // frame's size as the clip, the default pen, colours and font. A context
    // kept for many paints starts each one like this.
    void restoreDefaults();

    void moveTo(const CPoint& point);
    void lineTo(const CPoint& point);
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked);

    void setFrameColor(const CColor& color);
    CColor getFrameColor() const { return frameColor; }
    void setFillColor(const CColor& color);
    CColor getFillColor() const { return fillColor; }
    void setFontColor(const CColor& color);
    CColor getFontColor() const { return fontColor; }
    void setLineWidth(int32_t width);
    int32_t getLineWidth() const { return lineWidth; }
    void setLineStyle(CLineStyle style);
    CLineStyle getLineStyle() const { return lineStyle; }
    void setDrawMode(CDrawMode mode);
    CDrawMode getDrawMode() const { return drawMode; }

    // Without a font nothing changes. Size below 1 and style -1 keep the
    // font's own; when both match the font it is shared, else a new one made.
    void setFont(CFontDesc* font, int32_t size = 0, int32_t style = -1);
    CFontDesc* getFont() const { return font; }

    // Width of the UTF-8 text in whole pixels; -1 without font or text.
    int32_t getStringWidth(const char* text);
    // Draws the text so that its line box ends one pixel below point.y.
    void drawString(const char* text, const CPoint& point, bool antialias = true);
    void drawString(const char* text, const CRect& rect, CHoriTxtAlign align = kCenterText,
                    bool antialias = true);

    // The clip is stored in device coordinates and read back relative to
    // the drawing offset.
    void setClipRect(const CRect& clip);
    CRect& getClipRect(CRect& clip) const;

    const CPoint& getOffset() const { return offset; }
    void setOffset(const CPoint& point) { offset = point; }
    const CPoint& getScreenOffset() const { return screenOffset; }
    void setScreenOffset(const CPoint& point) { screenOffset = point; }

    CFrame* getFrame() const { return frame; }
    void* getDevice() const { return device; }
    void* getWindow() const { return window; }

    // The platform canvas, or none when the context has nothing to draw on.
    GraphicsCanvas* getCanvas() const { return canvas.get(); }

protected:
    // Used by COffscreenContext, which binds the canvas to its own bitmap.
    CDrawContext(CFrame* frame, const CRect& clip, std::unique_ptr<GraphicsCanvas> canvas);
    // Releases the canvas ahead of the image it draws into.
    void dropCanvas();

private:
    void initDefaults();

    CPoint screenOffset;
    CPoint offset;
    void* device = nullptr;
    void* window = nullptr;
    bool borrowedDevice = false;
    CFrame* frame = nullptr;
    CFontDesc* font = nullptr;
    CColor fontColor;
    CPoint penLoc;
    static constexpr int32_t kDefaultLineWidth = 1;
    int32_t lineWidth = kDefaultLineWidth;
    CColor frameColor;
    CColor fillColor;
    CLineStyle lineStyle = kLineSolid;
    CDrawMode drawMode = kCopyMode;
    CRect clipRect;
    std::unique_ptr<GraphicsCanvas> canvas;
};

} // namespace gui
