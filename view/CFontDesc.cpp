#include "view/CFontDesc.h"

#include "view/platform/GraphicsFont.h"

namespace gui {

CFontDesc::CFontDesc(const char* name, int32_t size, int32_t style)
    : name(name ? name : ""), size(size), style(style)
{}

CFontDesc::~CFontDesc() = default;

void CFontDesc::setName(const char* newName)
{
    name = newName ? newName : "";
    platformFont.reset();
}

GraphicsFont* CFontDesc::getPlatformFont()
{
    // A font made while an earlier library session ran is stale.
    if (platformFont && !platformFont->isCurrent())
        platformFont.reset();
    if (!platformFont)
        platformFont = GraphicsFont::create(name, size, style);
    return platformFont.get();
}

CFontDesc* const kSystemFont = new CFontDesc("Arial", 12);
CFontDesc* const kNormalFontVeryBig = new CFontDesc("Arial", 18);
CFontDesc* const kNormalFontBig = new CFontDesc("Arial", 14);
CFontDesc* const kNormalFont = new CFontDesc("Arial", 12);
CFontDesc* const kNormalFontSmall = new CFontDesc("Arial", 11);
CFontDesc* const kNormalFontSmaller = new CFontDesc("Arial", 10);
CFontDesc* const kNormalFontVerySmall = new CFontDesc("Arial", 9);
CFontDesc* const kSymbolFont = new CFontDesc("Symbol", 13);

namespace {

// Releases the shared fonts when the module unloads.
struct SharedFontsRelease {
    ~SharedFontsRelease()
    {
        for (CFontDesc* font :
             {kSystemFont, kNormalFontVeryBig, kNormalFontBig, kNormalFont, kNormalFontSmall,
              kNormalFontSmaller, kNormalFontVerySmall, kSymbolFont})
            font->forget();
    }
} sharedFontsRelease;

} // namespace

} // namespace gui
