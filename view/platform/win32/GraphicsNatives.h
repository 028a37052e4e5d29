#pragma once

// GDI+ objects behind the portable graphics classes; only the Windows
// platform layer sees them. GDI+ is called through its flat API.

#include <string>

#include "view/platform/GraphicsCanvas.h"
#include "view/platform/GraphicsFont.h"
#include "view/platform/GraphicsImage.h"

// gdiplus.h needs the COM types that WIN32_LEAN_AND_MEAN leaves out, so the
// order of these three matters.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

namespace gui {

struct GraphicsImage::Native {
    Gdiplus::GpBitmap* bitmap = nullptr;
    int32_t lastStatus = 0;
};

struct GraphicsFont::Native {
    Gdiplus::GpFont* font = nullptr;
    uint32_t session = 0;
};

struct GraphicsCanvas::Native {
    Gdiplus::GpGraphics* graphics = nullptr;
    Gdiplus::GpPen* pen = nullptr;
    Gdiplus::GpSolidFill* brush = nullptr;
    Gdiplus::GpSolidFill* fontBrush = nullptr;
    int32_t lastStatus = 0;
};

// The number of the running GDI+ session (a new one at every start), and
// whether GDI+ runs at all.
uint32_t graphicsSession();
bool graphicsRunning();

// UTF-8 to UTF-16 for GDI+; at most maxLength characters.
std::wstring toWide(const char* utf8, size_t maxLength = 0x7FFFFFFF);

} // namespace gui
