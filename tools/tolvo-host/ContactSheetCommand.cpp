// tolvo-host contact-sheet: every image built into the module on one sheet,
// each labelled with its resource id, for reviewing the artwork.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/PngWriter.h"
#include "view/PngDecoder.h"
#include "view/ResourceLookup.h"

namespace tolvo {

namespace {

const int32_t kImageIds[] = {110, 111, 112, 113, 114, 116, 117, 118, 119,
                             120, 121, 122, 123, 124, 125, 126, 127};
constexpr int32_t kLabelDigits = 120; // the large digit strip labels the sheet
constexpr int32_t kSheetWidth = 1160;
constexpr int32_t kMargin = 14;
constexpr int32_t kLabelHeight = 16;

struct Tile {
    int32_t id;
    gui::DecodedImage image;
    int32_t x = 0, y = 0;
};

class Sheet {
public:
    Sheet(int32_t width, int32_t height)
        : width_(width), height_(height), pixels_(size_t(width) * height * 4)
    {
        for (size_t i = 0; i < pixels_.size(); i += 4) {
            pixels_[i] = pixels_[i + 1] = pixels_[i + 2] = 0x30;
            pixels_[i + 3] = 0xFF;
        }
    }

    // The image over a checkerboard, so that transparent parts show.
    void place(const gui::DecodedImage& image, int32_t left, int32_t top)
    {
        for (int32_t y = 0; y < image.height; ++y) {
            for (int32_t x = 0; x < image.width; ++x) {
                const uint8_t* source = &image.pixels[(size_t(y) * image.width + x) * 4];
                uint8_t* target = at(left + x, top + y);
                const uint8_t check = ((x / 4 + y / 4) % 2) ? 0x66 : 0x99;
                for (int c = 0; c < 3; ++c)
                    target[c] = uint8_t(source[c] + check * (255 - source[3]) / 255);
            }
        }
    }

    // Paints `text` (digits only) in white from the strip's 7-pixel glyph
    // cells, each advancing by its inked width plus one.
    void label(const gui::DecodedImage& strip, int32_t left, int32_t top, const std::string& text)
    {
        const int32_t cell = 7;
        for (char character : text) {
            const int32_t glyph = character - '0';
            if (glyph < 0 || glyph > 9 || strip.width < (glyph + 1) * cell)
                continue;
            int32_t inked = 0;
            for (int32_t y = 0; y < strip.height; ++y) {
                for (int32_t x = 0; x < cell; ++x) {
                    const uint8_t* source =
                        &strip.pixels[(size_t(y) * strip.width + glyph * cell + x) * 4];
                    if (source[0] != 0)
                        inked = std::max(inked, x + 1);
                }
            }
            for (int32_t y = 0; y < strip.height; ++y) {
                for (int32_t x = 0; x < inked; ++x) {
                    const uint8_t* source =
                        &strip.pixels[(size_t(y) * strip.width + glyph * cell + x) * 4];
                    uint8_t* target = at(left + x, top + y);
                    for (int c = 0; c < 3; ++c)
                        target[c] = uint8_t(target[c] + (255 - target[c]) * source[c] / 255);
                }
            }
            left += inked + 1;
        }
    }

    // Every pixel repeated `factor` times in both directions.
    std::vector<uint8_t> scaled(int32_t factor) const
    {
        std::vector<uint8_t> out(pixels_.size() * factor * factor);
        const int32_t outWidth = width_ * factor;
        for (int32_t y = 0; y < height_ * factor; ++y)
            for (int32_t x = 0; x < outWidth; ++x)
                std::copy_n(&pixels_[(size_t(y / factor) * width_ + x / factor) * 4], 4,
                            &out[(size_t(y) * outWidth + x) * 4]);
        return out;
    }

private:
    uint8_t* at(int32_t x, int32_t y) { return &pixels_[(size_t(y) * width_ + x) * 4]; }

    int32_t width_, height_;
    std::vector<uint8_t> pixels_;
};

// Shelf layout, tallest images first; returns the sheet height.
int32_t arrange(std::vector<Tile>& tiles)
{
    std::vector<Tile*> order;
    for (Tile& tile : tiles)
        order.push_back(&tile);
    std::stable_sort(order.begin(), order.end(), [](const Tile* a, const Tile* b) {
        return a->image.height > b->image.height;
    });
    int32_t x = kMargin, y = kMargin, shelf = 0;
    for (Tile* tile : order) {
        if (x + tile->image.width + kMargin > kSheetWidth && x > kMargin) {
            x = kMargin;
            y += shelf + kMargin;
            shelf = 0;
        }
        tile->x = x;
        tile->y = y;
        x += std::max(tile->image.width, 21) + kMargin;
        shelf = std::max(shelf, tile->image.height + kLabelHeight);
    }
    return y + shelf + kMargin;
}

} // namespace

int runContactSheet(const Arguments& arguments)
{
    if (arguments.empty()) {
        std::fprintf(stderr, "contact-sheet: name the output PNG file\n");
        return 2;
    }
    std::string factorText = "1";
    optionValue(arguments, "--scale", factorText);
    const int32_t factor = std::clamp(std::atoi(factorText.c_str()), 1, 4);

    int failures = 0;
    std::vector<Tile> tiles;
    for (int32_t id : kImageIds) {
        Tile tile{id, {}};
        const gui::ResourceBytes bytes = gui::findPngResource(id);
        if (!gui::decodePng(bytes.data, bytes.size, tile.image)) {
            std::fprintf(stderr, "contact-sheet: image %d is missing or damaged\n", id);
            ++failures;
        }
        tiles.push_back(std::move(tile));
    }
    gui::DecodedImage digits;
    const gui::ResourceBytes digitBytes = gui::findPngResource(kLabelDigits);
    gui::decodePng(digitBytes.data, digitBytes.size, digits);

    const int32_t height = arrange(tiles);
    Sheet sheet(kSheetWidth, height);
    for (const Tile& tile : tiles) {
        sheet.label(digits, tile.x, tile.y, std::to_string(tile.id));
        sheet.place(tile.image, tile.x, tile.y + kLabelHeight);
    }
    if (!writePng(arguments[0], sheet.scaled(factor), kSheetWidth * factor, height * factor)) {
        std::fprintf(stderr, "contact-sheet: cannot write %s\n", arguments[0].c_str());
        return 1;
    }
    std::printf("%s: %zu images, %d missing or damaged\n", arguments[0].c_str(), tiles.size(),
                failures);
    return failures == 0 ? 0 : 1;
}

} // namespace tolvo
