// The nearest-neighbour enlargement of a damaged area: each pixel becomes an
// N × N block at N times its place, and nothing outside the area is written.
#include <gtest/gtest.h>

#include <vector>

#include "view/platform/x11/ScaledCopy.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr int32_t kWidth = 5, kHeight = 4;
constexpr uint32_t kUntouched = 0xDEADBEEF;

uint32_t sourcePixel(int32_t x, int32_t y)
{
    return 0xFF000000u | uint32_t(y) << 8 | uint32_t(x);
}

} // namespace

TEST(ScaledCopyTest, EveryPixelOfTheAreaBecomesABlockAndNothingElseIsWritten)
{
    std::vector<uint32_t> source(kWidth * kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x)
            source[size_t(y * kWidth + x)] = sourcePixel(x, y);
    }
    const CRect area(1, 2, 4, 4);
    for (int32_t scale : {1, 2, 3}) {
        // A wider target row than needed: strides differ from the width.
        const int32_t targetWidth = kWidth * scale + 3;
        std::vector<uint32_t> target(size_t(targetWidth * kHeight * scale), kUntouched);
        copyScaled({reinterpret_cast<unsigned char*>(source.data()), kWidth * 4},
                   {reinterpret_cast<unsigned char*>(target.data()), targetWidth * 4}, area, scale);
        for (int32_t y = 0; y < kHeight * scale; ++y) {
            for (int32_t x = 0; x < targetWidth; ++x) {
                const bool inside = x >= area.left * scale && x < area.right * scale &&
                                    y >= area.top * scale && y < area.bottom * scale;
                const uint32_t expected = inside ? sourcePixel(x / scale, y / scale) : kUntouched;
                ASSERT_EQ(target[size_t(y * targetWidth + x)], expected)
                    << "scale " << scale << " at " << x << ", " << y;
            }
        }
    }
}

} // namespace tolvo
