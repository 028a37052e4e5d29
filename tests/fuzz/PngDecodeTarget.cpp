// PNG bytes of any kind decoded from memory: whole or not, the image is as
// large as its header said (within the decoder's limit), its pixels are
// premultiplied, and decoding the same bytes again gives the same image.
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzTargets.h"
#include "view/PngDecoder.h"

namespace tolvo {

namespace {

constexpr int32_t kLargestSide = 4096;
constexpr size_t kBytesPerPixel = 4;
constexpr size_t kAlphaByte = 3;

bool isPremultiplied(const std::vector<uint8_t>& pixels)
{
    for (size_t at = 0; at + kAlphaByte < pixels.size(); at += kBytesPerPixel)
        for (size_t colour = 0; colour < kAlphaByte; ++colour)
            if (pixels[at + colour] > pixels[at + kAlphaByte])
                return false;
    return true;
}

} // namespace

void fuzzPngDecode(const uint8_t* data, size_t size)
{
    gui::DecodedImage image;
    const bool whole = gui::decodePng(data, size, image);
    FUZZ_CHECK(image.width >= 0 && image.width <= kLargestSide);
    FUZZ_CHECK(image.height >= 0 && image.height <= kLargestSide);
    FUZZ_CHECK(image.pixels.size() == size_t(image.width) * size_t(image.height) * kBytesPerPixel);
    if (whole)
        FUZZ_CHECK(image.width > 0 && image.height > 0);
    FUZZ_CHECK(isPremultiplied(image.pixels));

    gui::DecodedImage again;
    FUZZ_CHECK(gui::decodePng(data, size, again) == whole);
    FUZZ_CHECK(again.width == image.width && again.height == image.height);
    FUZZ_CHECK(again.pixels == image.pixels);
}

} // namespace tolvo
