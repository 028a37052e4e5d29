#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace gui {

// A font of the graphics library: a face name at a size in pixels with the
// style bits bold (1), italic (2) and underline (4). A face that is not
// installed is replaced by the generic sans-serif face at the same size.
class GraphicsFont {
public:
    static std::unique_ptr<GraphicsFont> create(const std::string& face, int32_t size,
                                                int32_t style);
    ~GraphicsFont();

    // False once the library session the font was made in has stopped; such
    // a font must be made again.
    bool isCurrent() const;

    // The face used in place of a missing one.
    static std::string fallbackFaceName();

    struct Native;
    Native& native() { return *nativeFont; }

private:
    explicit GraphicsFont(std::unique_ptr<Native> nativeFont);
    std::unique_ptr<Native> nativeFont;
};

} // namespace gui
