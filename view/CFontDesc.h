#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "view/CBaseObject.h"

namespace gui {

class GraphicsFont;

constexpr int32_t kBoldFace = 1;
constexpr int32_t kItalicFace = 2;
constexpr int32_t kUnderlineFace = 4;

// A font by face name, size in pixels and style bits. The platform font is
// made on first use and kept until the name changes.
class CFontDesc : public CBaseObject {
public:
    CFontDesc(const char* name, int32_t size, int32_t style = 0);
    ~CFontDesc() override;

    const std::string& getName() const { return name; }
    void setName(const char* newName);
    int32_t getSize() const { return size; }
    int32_t getStyle() const { return style; }

    // The platform font, or none when the library could not make it.
    GraphicsFont* getPlatformFont();

private:
    std::string name;
    int32_t size;
    int32_t style;
    std::unique_ptr<GraphicsFont> platformFont;
};

// The shared fonts, made when the module loads and released when it unloads.
extern CFontDesc* const kSystemFont;
extern CFontDesc* const kNormalFontVeryBig;
extern CFontDesc* const kNormalFontBig;
extern CFontDesc* const kNormalFont;
extern CFontDesc* const kNormalFontSmall;
extern CFontDesc* const kNormalFontSmaller;
extern CFontDesc* const kNormalFontVerySmall;
extern CFontDesc* const kSymbolFont;

} // namespace gui
