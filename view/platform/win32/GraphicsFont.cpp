#include "view/platform/win32/GraphicsNatives.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace gui {

namespace {

// GDI+'s generic sans-serif family is missing under some systems (wine):
// then the first of these installed faces stands in for it.
const wchar_t* const kSansSerifFaces[] = {L"Microsoft Sans Serif", L"Arial", L"Liberation Sans",
                                          L"Tahoma", L"DejaVu Sans"};

GpFontFamily* sansSerifFamily()
{
    GpFontFamily* family = nullptr;
    if (GdipGetGenericFontFamilySansSerif(&family) == Ok && family)
        return family;
    for (const wchar_t* face : kSansSerifFaces) {
        family = nullptr;
        if (GdipCreateFontFamilyFromName(face, nullptr, &family) == Ok && family)
            return family;
    }
    return nullptr;
}

std::string toUtf8(const wchar_t* wide)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string utf8(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    utf8.resize(size_t(length - 1));
    return utf8;
}

} // namespace

std::unique_ptr<GraphicsFont> GraphicsFont::create(const std::string& face, int32_t size,
                                                   int32_t style)
{
    if (!graphicsRunning())
        return nullptr;
    const std::wstring name = toWide(face.c_str(), 200);
    GpFontFamily* family = nullptr;
    if (GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family) != Ok || !family)
        family = sansSerifFamily();
    if (!family)
        return nullptr;
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFont(family, REAL(size), style & 7, UnitPixel, &font);
    GdipDeleteFontFamily(family);
    if (status != Ok || !font)
        return nullptr;
    auto native = std::make_unique<Native>();
    native->font = font;
    native->session = graphicsSession();
    return std::unique_ptr<GraphicsFont>(new GraphicsFont(std::move(native)));
}

GraphicsFont::GraphicsFont(std::unique_ptr<Native> nativeFont) : nativeFont(std::move(nativeFont))
{}

GraphicsFont::~GraphicsFont()
{
    // A font of a stopped session went with it.
    if (isCurrent())
        GdipDeleteFont(nativeFont->font);
}

bool GraphicsFont::isCurrent() const
{
    return graphicsRunning() && nativeFont->session == graphicsSession();
}

std::string GraphicsFont::fallbackFaceName()
{
    GpFontFamily* family = graphicsRunning() ? sansSerifFamily() : nullptr;
    if (!family)
        return {};
    WCHAR name[LF_FACESIZE] = {};
    GdipGetFamilyName(family, name, LANG_NEUTRAL);
    GdipDeleteFontFamily(family);
    return toUtf8(name);
}

} // namespace gui
