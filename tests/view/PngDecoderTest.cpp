#include <gtest/gtest.h>

#include <png.h>
#include <string>

#include "tests/support/view/TestPng.h"
#include "view/PngDecoder.h"

namespace tolvo {
namespace {

using gui::DecodedImage;
using gui::decodePng;

// The stored form of an opaque channel value: (c * 255) >> 8.
uint8_t opaque(int c)
{
    return uint8_t((c * 255) >> 8);
}

std::vector<uint8_t> pixel(const DecodedImage& image, int x, int y)
{
    const uint8_t* p = &image.pixels[(size_t(y) * image.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

// The CRC-32 that PNG chunks carry.
uint32_t chunkCrc(const uint8_t* data, size_t length)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

DecodedImage decoded(const std::vector<uint8_t>& png)
{
    DecodedImage image;
    EXPECT_TRUE(decodePng(png.data(), png.size(), image));
    return image;
}

TEST(PngDecoder, StoresBlueGreenRedAlphaPremultipliedByAlphaOver256)
{
    PngRecipe recipe;
    recipe.width = 4;
    recipe.samples = {255, 0,   0,   128, // half-transparent red: 255 * 128 >> 8 = 127
                      10,  200, 30,  255, // opaque: every channel loses a 256th
                      90,  80,  70,  0,   // fully transparent: all zero
                      255, 255, 255, 1};  // alpha 1 leaves 0
    const DecodedImage image = decoded(encodePng(recipe));
    ASSERT_EQ(image.width, 4);
    ASSERT_EQ(image.height, 1);
    ASSERT_EQ(image.pixels.size(), 16u);
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{0, 0, 127, 128}));
    EXPECT_EQ(pixel(image, 1, 0), (std::vector<uint8_t>{opaque(30), opaque(200), opaque(10), 255}));
    EXPECT_EQ(pixel(image, 2, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(pixel(image, 3, 0), (std::vector<uint8_t>{0, 0, 0, 1}));
}

TEST(PngDecoder, PaletteWithTransparencyGivesPerPixelAlpha)
{
    PngRecipe recipe;
    recipe.width = 3;
    recipe.colourType = PNG_COLOR_TYPE_PALETTE;
    recipe.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    recipe.transparency = {0, 128}; // entry 2 has no alpha entry: opaque
    recipe.samples = {0, 1, 2};
    const DecodedImage image = decoded(encodePng(recipe));
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(pixel(image, 1, 0), (std::vector<uint8_t>{0, 127, 0, 128}));
    EXPECT_EQ(pixel(image, 2, 0), (std::vector<uint8_t>{opaque(255), 0, 0, 255}));
}

TEST(PngDecoder, LowDepthPaletteExpands)
{
    PngRecipe recipe;
    recipe.width = 4;
    recipe.colourType = PNG_COLOR_TYPE_PALETTE;
    recipe.bitDepth = 2;
    recipe.palette = {0, 0, 0, 100, 100, 100, 200, 0, 0, 0, 0, 200};
    recipe.samples = {0b00011011}; // indices 0, 1, 2, 3
    const DecodedImage image = decoded(encodePng(recipe));
    EXPECT_EQ(pixel(image, 1, 0),
              (std::vector<uint8_t>{opaque(100), opaque(100), opaque(100), 255}));
    EXPECT_EQ(pixel(image, 2, 0), (std::vector<uint8_t>{0, 0, opaque(200), 255}));
    EXPECT_EQ(pixel(image, 3, 0), (std::vector<uint8_t>{opaque(200), 0, 0, 255}));
}

TEST(PngDecoder, GreyBecomesOpaqueRgbAndGreyAlphaKeepsItsAlpha)
{
    PngRecipe grey;
    grey.width = 2;
    grey.colourType = PNG_COLOR_TYPE_GRAY;
    grey.samples = {0, 200};
    DecodedImage image = decoded(encodePng(grey));
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 255}));
    EXPECT_EQ(pixel(image, 1, 0),
              (std::vector<uint8_t>{opaque(200), opaque(200), opaque(200), 255}));

    PngRecipe lowGrey;
    lowGrey.width = 2;
    lowGrey.colourType = PNG_COLOR_TYPE_GRAY;
    lowGrey.bitDepth = 4;
    lowGrey.samples = {0xF5}; // 15 -> 255, 5 -> 85
    image = decoded(encodePng(lowGrey));
    EXPECT_EQ(pixel(image, 0, 0),
              (std::vector<uint8_t>{opaque(255), opaque(255), opaque(255), 255}));
    EXPECT_EQ(pixel(image, 1, 0), (std::vector<uint8_t>{opaque(85), opaque(85), opaque(85), 255}));

    PngRecipe greyAlpha;
    greyAlpha.width = 2;
    greyAlpha.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
    greyAlpha.samples = {200, 64, 255, 0};
    image = decoded(encodePng(greyAlpha));
    const uint8_t level = uint8_t((200 * 64) >> 8);
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{level, level, level, 64}));
    EXPECT_EQ(pixel(image, 1, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(PngDecoder, TransparencyKeyOfGreyAndRgbImagesBecomesAlpha)
{
    PngRecipe grey;
    grey.width = 2;
    grey.colourType = PNG_COLOR_TYPE_GRAY;
    grey.transparency = {50};
    grey.samples = {50, 51};
    DecodedImage image = decoded(encodePng(grey));
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(pixel(image, 1, 0), (std::vector<uint8_t>{opaque(51), opaque(51), opaque(51), 255}));

    PngRecipe colour;
    colour.width = 2;
    colour.colourType = PNG_COLOR_TYPE_RGB;
    colour.transparency = {1, 2, 3};
    colour.samples = {1, 2, 3, 1, 2, 4};
    image = decoded(encodePng(colour));
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(pixel(image, 1, 0), (std::vector<uint8_t>{opaque(4), opaque(2), opaque(1), 255}));
}

TEST(PngDecoder, SixteenBitSamplesKeepTheirHighByte)
{
    PngRecipe recipe;
    recipe.width = 1;
    recipe.bitDepth = 16;
    recipe.samples = {0x12, 0xAB, 0xFE, 0x01, 0x00, 0xFF, 0x80, 0x7F}; // big-endian RGBA
    const DecodedImage image = decoded(encodePng(recipe));
    EXPECT_EQ(pixel(image, 0, 0), (std::vector<uint8_t>{0, uint8_t((0xFE * 0x80) >> 8),
                                                        uint8_t((0x12 * 0x80) >> 8), 0x80}));

    PngRecipe rgb = recipe;
    rgb.colourType = PNG_COLOR_TYPE_RGB;
    rgb.samples = {0x12, 0xAB, 0xFE, 0x01, 0x00, 0xFF};
    const DecodedImage opaqueImage = decoded(encodePng(rgb));
    EXPECT_EQ(pixel(opaqueImage, 0, 0), (std::vector<uint8_t>{0, opaque(0xFE), opaque(0x12), 255}));
}

// A test picture whose every pixel differs from its neighbours.
PngRecipe patterned(int width, int height)
{
    PngRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            recipe.samples.push_back(uint8_t(x * 13 + y * 7));
            recipe.samples.push_back(uint8_t(x * 3 + y * 31));
            recipe.samples.push_back(uint8_t(x * y + 5));
            recipe.samples.push_back(uint8_t(128 + (x + y) % 128));
        }
    }
    return recipe;
}

TEST(PngDecoder, InterlacedImageDecodesLikeItsProgressiveTwin)
{
    PngRecipe recipe = patterned(13, 11);
    const DecodedImage progressive = decoded(encodePng(recipe));
    recipe.interlaced = true;
    const DecodedImage interlaced = decoded(encodePng(recipe));
    ASSERT_EQ(interlaced.width, 13);
    ASSERT_EQ(interlaced.height, 11);
    EXPECT_EQ(interlaced.pixels, progressive.pixels);
}

TEST(PngDecoder, TruncatedDataKeepsTheRowsReadAndNeverReadsPastTheEnd)
{
    PngRecipe recipe = patterned(16, 64);
    recipe.stored = true; // rows lie in the file in order, so a cut loses the lower ones
    const std::vector<uint8_t> png = encodePng(recipe);
    const DecodedImage full = decoded(png);

    // Every cut, each copied into a buffer of exactly its own length so that
    // the sanitizers see any read beyond it.
    for (size_t length = 0; length < png.size(); ++length) {
        std::vector<uint8_t> cut(png.begin(), png.begin() + length);
        DecodedImage image;
        EXPECT_FALSE(decodePng(cut.data(), cut.size(), image)) << length;
        EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height * 4) << length;
    }

    const size_t half = png.size() / 2;
    std::vector<uint8_t> cut(png.begin(), png.begin() + half);
    DecodedImage image;
    EXPECT_FALSE(decodePng(cut.data(), cut.size(), image));
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 64);
    const size_t rowBytes = 16 * 4;
    EXPECT_TRUE(
        std::equal(full.pixels.begin(), full.pixels.begin() + 10 * rowBytes, image.pixels.begin()));
    EXPECT_TRUE(std::all_of(image.pixels.end() - 10 * rowBytes, image.pixels.end(),
                            [](uint8_t b) { return b == 0; }));
}

// The png with its header claiming the given size. Width and height sit at
// bytes 16..23; the header chunk's CRC covers bytes 12..28 and follows them.
std::vector<uint8_t> withClaimedSize(std::vector<uint8_t> png, uint32_t width, uint32_t height)
{
    for (int byte = 0; byte < 4; ++byte) {
        png[16 + byte] = uint8_t(width >> (24 - 8 * byte));
        png[20 + byte] = uint8_t(height >> (24 - 8 * byte));
    }
    const uint32_t crc = chunkCrc(&png[12], 17);
    for (int byte = 0; byte < 4; ++byte)
        png[29 + byte] = uint8_t(crc >> (24 - 8 * byte));
    return png;
}

TEST(PngDecoder, RefusesGarbageDamagedAndOversizedData)
{
    DecodedImage image;
    EXPECT_FALSE(decodePng(nullptr, 100, image));
    EXPECT_FALSE(decodePng(nullptr, 0, image));

    std::vector<uint8_t> garbage(300);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = uint8_t(i * 151 + 7);
    EXPECT_FALSE(decodePng(garbage.data(), garbage.size(), image));
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());

    // A valid signature followed by garbage.
    std::vector<uint8_t> png = encodePng(patterned(8, 8));
    std::vector<uint8_t> signatureOnly(png.begin(), png.begin() + 8);
    signatureOnly.insert(signatureOnly.end(), garbage.begin(), garbage.end());
    EXPECT_FALSE(decodePng(signatureOnly.data(), signatureOnly.size(), image));

    // Flipped bytes in the image data fail the checksums.
    std::vector<uint8_t> damaged = png;
    for (size_t i = 40; i < damaged.size() - 12; i += 5)
        damaged[i] ^= 0x5A;
    EXPECT_FALSE(decodePng(damaged.data(), damaged.size(), image));
    EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height * 4);

    // A header claiming 100000 x 100000 pixels is refused before any
    // allocation.
    const std::vector<uint8_t> huge = withClaimedSize(png, 100000, 100000);
    EXPECT_FALSE(decodePng(huge.data(), huge.size(), image));
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());
}

// The png with one more chunk right after its header.
std::vector<uint8_t> withChunkAfterHeader(std::vector<uint8_t> png, const char* type,
                                          const std::string& data, uint32_t claimedLength)
{
    std::vector<uint8_t> chunk;
    for (int byte = 0; byte < 4; ++byte)
        chunk.push_back(uint8_t(claimedLength >> (24 - 8 * byte)));
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    const uint32_t crc = chunkCrc(&chunk[4], chunk.size() - 4);
    for (int byte = 0; byte < 4; ++byte)
        chunk.push_back(uint8_t(crc >> (24 - 8 * byte)));
    const size_t afterHeader = 8 + 25;
    png.insert(png.begin() + afterHeader, chunk.begin(), chunk.end());
    return png;
}

TEST(PngDecoder, TextChunksAreReadButOneClaimingMoreThanAMegabyteIsRefused)
{
    const std::vector<uint8_t> plain = encodePng(patterned(8, 8));
    const DecodedImage expected = decoded(plain);
    const std::string text("Comment\0made by the artwork tool", 33);
    const DecodedImage commented =
        decoded(withChunkAfterHeader(plain, "tEXt", text, uint32_t(text.size())));
    EXPECT_EQ(commented.pixels, expected.pixels);

    // The length field says 1.2 GB; the file holds 33 bytes of it.
    const std::vector<uint8_t> huge = withChunkAfterHeader(plain, "zTXt", text, 0x45000000u);
    DecodedImage image;
    EXPECT_FALSE(decodePng(huge.data(), huge.size(), image));
    EXPECT_TRUE(image.pixels.empty());
}

TEST(PngDecoder, AFileTooShortForTheRowsItsHeaderClaimsIsRefusedBeforeAllocating)
{
    // 4096 x 4096 is within the size limit, but its rows cannot come out of
    // the few bytes of an 8 x 8 image's data.
    const std::vector<uint8_t> small = encodePng(patterned(8, 8));
    DecodedImage image;
    EXPECT_TRUE(decodePng(small.data(), small.size(), image));
    const std::vector<uint8_t> claimed = withClaimedSize(small, 4096, 4096);
    EXPECT_FALSE(decodePng(claimed.data(), claimed.size(), image));
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());

    // An all-zero image of the largest size, which deflate packs into long
    // runs of its longest matches, still decodes.
    PngRecipe blank;
    blank.width = 4096;
    blank.height = 4096;
    blank.samples.assign(size_t(4096) * 4096 * 4, 0);
    const std::vector<uint8_t> png = encodePng(blank);
    ASSERT_TRUE(decodePng(png.data(), png.size(), image)) << png.size() << " bytes";
    EXPECT_EQ(image.width, 4096);
    EXPECT_EQ(image.pixels.size(), size_t(4096) * 4096 * 4);
}

} // namespace
} // namespace tolvo
