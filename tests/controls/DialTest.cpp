// The dial's angle model and its pointer dot, compared with an independent
// bilinear blend over the panel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/support/controls/ControlTestSupport.h"
#include "view/COffscreenContext.h"

namespace tolvo {
namespace {

constexpr uint8_t kKernel[3][3] = {{80, 192, 80}, {192, 255, 192}, {80, 192, 80}};

// The four-pixel blend of a black dot of opacity a at (x, y), on bytes of
// blue, green, red, alpha.
void referenceBlend(std::vector<uint8_t>& pixels, int32_t width, int32_t height, float x, float y,
                    float a)
{
    const int32_t tx = int32_t(std::floor(x));
    const int32_t ty = int32_t(std::floor(y));
    if (tx < 0 || ty < 0 || tx >= width - 1 || ty >= height - 1)
        return;
    const float fx = x - float(tx);
    const float fy = y - float(ty);
    const struct {
        int32_t dx, dy;
        float w;
    } corners[4] = {
        {0, 0, (1 - fx) * (1 - fy)}, {1, 0, fx * (1 - fy)}, {0, 1, (1 - fx) * fy}, {1, 1, fx * fy}};
    for (const auto& corner : corners) {
        uint8_t* p = &pixels[(size_t(ty + corner.dy) * width + tx + corner.dx) * 4];
        for (int32_t c = 0; c < 3; ++c)
            p[c] = uint8_t(std::min(255.0f, (1.0f - corner.w * a) * float(p[c])));
    }
}

std::vector<uint8_t> referenceDot(const CDIB* background, float x, float y)
{
    std::vector<uint8_t> pixels(background->getPixels(),
                                background->getPixels() +
                                    background->getRowBytes() * background->getHeight());
    for (int32_t i = 0; i < 3; ++i)
        for (int32_t j = 0; j < 3; ++j)
            referenceBlend(pixels, background->getWidth(), background->getHeight(), x + float(j),
                           float(y + i), float(kKernel[i][j]) / 255.0f);
    return pixels;
}

std::vector<uint8_t> pixelsOf(const CDIB* image)
{
    return std::vector<uint8_t>(image->getPixels(),
                                image->getPixels() + image->getRowBytes() * image->getHeight());
}

// The box of pixels that differ between two pictures of the dial's size.
gui::CRect changedBox(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int32_t width)
{
    gui::CRect box(1000, 1000, -1, -1);
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i])
            continue;
        const int32_t x = int32_t(i / 4) % width;
        const int32_t y = int32_t(i / 4) / width;
        box = gui::CRect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                         std::max(box.bottom, y + 1));
    }
    return box;
}

class Dial : public ::testing::Test {
protected:
    void SetUp() override { dial = makeDial(images, 0.5f); }
    void TearDown() override { dial->forget(); }

    const CDIB* draw()
    {
        auto* context = new gui::COffscreenContext(nullptr, 265, 534);
        dial->draw(context);
        context->forget();
        return dial->getWorkImage();
    }

    // Where draw puts the kernel's top-left cell for an angle.
    static void dotPlace(float angle, float& x, float& y)
    {
        const double theta = double(angle * 270.0f / 360.0f + 45.0f) * 6.283185307179586 / 360.0;
        x = float(16.0 - std::sin(theta) * 10.0) - 1.5f;
        y = float(std::cos(theta) * 10.0 + 16.0) - 1.5f;
    }

    Images images;
    nDial* dial = nullptr;
};

TEST_F(Dial, ValueIsTheAngleOverThreeSixty)
{
    EXPECT_EQ(dial->getAngle(), 180.0f);
    dial->setValue(0.25f);
    EXPECT_EQ(dial->getAngle(), 90.0f);
    EXPECT_EQ(dial->getValue(), 0.25f);
    dial->setValue(1.5f);
    EXPECT_EQ(dial->getAngle(), 540.0f) << "setValue does not clamp";
    EXPECT_EQ(dial->getResetValue(), 0.5f);
    EXPECT_EQ(dial->getCentre(), gui::CPoint(195, 171));
}

TEST_F(Dial, DotAtTheMiddleValueSitsStraightAboveTheCentre)
{
    float x = 0, y = 0;
    dotPlace(180.0f, x, y);
    EXPECT_FLOAT_EQ(x, 14.5f);
    EXPECT_FLOAT_EQ(y, 4.5f);
    const std::vector<uint8_t> drawn = pixelsOf(draw());
    const std::vector<uint8_t> background = pixelsOf(dial->getBackgroundImage());
    EXPECT_EQ(drawn, referenceDot(dial->getBackgroundImage(), x, y));
    EXPECT_EQ(changedBox(drawn, background, 31), gui::CRect(14, 4, 18, 8));
}

TEST_F(Dial, DotFollowsTheArcClockwiseFromLowLeftToLowRight)
{
    const std::vector<uint8_t> background = pixelsOf(dial->getBackgroundImage());
    for (float value : {0.0f, 0.1f, 0.37f, 0.8f, 1.0f}) {
        dial->setValue(value);
        float x = 0, y = 0;
        dotPlace(value * 360.0f, x, y);
        EXPECT_EQ(pixelsOf(draw()), referenceDot(dial->getBackgroundImage(), x, y)) << value;
    }
    dial->setValue(0.0f);
    gui::CRect low = changedBox(pixelsOf(draw()), background, 31);
    EXPECT_EQ(low, gui::CRect(7, 21, 11, 25));
    dial->setValue(1.0f);
    EXPECT_EQ(changedBox(pixelsOf(draw()), background, 31), gui::CRect(21, 21, 25, 25));
}

TEST_F(Dial, PointerKernelOnWholePixelsDarkensByItsOpacity)
{
    auto* image = new CDIB(nullptr, 8, 8);
    std::memset(image->getPixels(), 200, size_t(image->getRowBytes()) * 8);
    dial->drawPointer(image, 3.0f, 2.0f);
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            const uint8_t* p = image->getPixels() + y * image->getRowBytes() + x * 4;
            const bool inKernel = x >= 3 && x < 6 && y >= 2 && y < 5;
            const uint8_t expected =
                inKernel ? uint8_t((1.0f - float(kKernel[y - 2][x - 3]) / 255.0f) * 200.0f)
                         : uint8_t(200);
            EXPECT_EQ(p[0], expected) << x << "," << y;
            EXPECT_EQ(p[1], expected);
            EXPECT_EQ(p[2], expected);
            EXPECT_EQ(p[3], 200) << "alpha changed";
        }
    }
    image->forget();
}

TEST_F(Dial, BlendPointPaintsOnlyWhenItsBlockLiesInsideTheImage)
{
    auto* image = new CDIB(nullptr, 4, 4);
    const uint8_t black[3] = {0, 0, 0};
    const uint8_t white[3] = {255, 255, 255};
    const float full[3] = {1.0f, 1.0f, 1.0f};
    std::memset(image->getPixels(), 100, 64);
    const std::vector<uint8_t> before = pixelsOf(image);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [x, y] : {std::pair<float, float>{3.0f, 1.0f},
                               {1.0f, 3.0f},
                               {-0.5f, 1.0f},
                               {1.0f, -0.01f},
                               {nan, 1.0f},
                               {1.0f, 1e30f},
                               {-1e30f, 0.0f}})
        blendPoint(image, x, y, black, full);
    EXPECT_EQ(pixelsOf(image), before);

    // Just inside the last block: the weights go to the four pixels.
    blendPoint(image, 2.5f, 2.75f, black, full);
    const auto at = [&](int32_t x, int32_t y) { return image->getPixels()[(y * 4 + x) * 4]; };
    EXPECT_EQ(at(2, 2), uint8_t((1.0f - 0.5f * 0.25f) * 100.0f));
    EXPECT_EQ(at(3, 2), uint8_t((1.0f - 0.5f * 0.25f) * 100.0f));
    EXPECT_EQ(at(2, 3), uint8_t((1.0f - 0.5f * 0.75f) * 100.0f));
    EXPECT_EQ(at(3, 3), uint8_t((1.0f - 0.5f * 0.75f) * 100.0f));
    EXPECT_EQ(at(1, 2), 100);

    // The colour adds (saturating at 255); the opacities are red, green,
    // blue in that order.
    const uint8_t grey[3] = {50, 50, 50};
    const float redOnly[3] = {1.0f, 0.0f, 0.0f};
    blendPoint(image, 0.0f, 0.0f, grey, redOnly);
    const uint8_t* p = image->getPixels();
    EXPECT_EQ(p[2], 50);
    EXPECT_EQ(p[1], 150);
    EXPECT_EQ(p[0], 150);
    EXPECT_EQ(p[3], 100);
    const float none[3] = {0.0f, 0.0f, 0.0f};
    blendPoint(image, 0.0f, 2.0f, white, none);
    EXPECT_EQ(at(0, 2), 255);
    image->forget();
}

} // namespace
TEST_F(Dial, TheDialCoversItsRectangleOverTheOpaquePanel)
{
    EXPECT_TRUE(dial->isOpaque());
    // Off the panel the copy beneath is transparent, and so is the picture.
    nDial* offPanel = makeDial(images, 0.5f, nullptr, gui::CRect(250, 0, 282, 32));
    EXPECT_FALSE(offPanel->isOpaque());
    offPanel->forget();
}

} // namespace tolvo
