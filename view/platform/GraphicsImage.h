#pragma once

#include <cstdint>
#include <memory>

namespace gui {

// The graphics library's image object: what drawing contexts draw from and
// what an offscreen canvas draws into. Pixels cross this interface as rows of
// premultiplied blue, green, red, alpha bytes.
class GraphicsImage {
public:
    // A blank (fully transparent) image; none when the library refuses.
    static std::unique_ptr<GraphicsImage> createBlank(int32_t width, int32_t height);
    // An image drawn straight from the caller's premultiplied pixels; the
    // memory is shared, not copied, and must outlive the image.
    static std::unique_ptr<GraphicsImage> createSharing(int32_t width, int32_t height,
                                                        int32_t stride, uint8_t* pixels);
    ~GraphicsImage();

    int32_t getWidth() const;
    int32_t getHeight() const;

    // Copy the whole image out of a buffer with the given row stride. A failed
    // lock copies nothing and answers false.
    bool readPixels(uint8_t* destination, int32_t stride);
    // Copy the rows firstRow to endRow - 1 of a whole image's buffer (row 0 at
    // source) into the image; rows outside the image are left out. A failed
    // lock copies nothing and answers false.
    bool writePixels(const uint8_t* source, int32_t stride, int32_t firstRow, int32_t endRow);

    // The status of the last library call that failed (0 when none did).
    int32_t getLastStatus() const;

    struct Native;
    Native& native() { return *nativeImage; }

private:
    explicit GraphicsImage(std::unique_ptr<Native> nativeImage);
    std::unique_ptr<Native> nativeImage;
};

} // namespace gui
