// The lamp switch: face and lamp pixels of every strip in every state, and
// the press that flips it inside one edit of the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/nSwitch.h"
#include "editor/PlugEdLayout.h"
#include "tests/support/view/OffscreenPixels.h"
#include "tests/support/view/ViewTestDoubles.h"

namespace tolvo {

using namespace gui;
using tolvo::Log;

namespace {

struct Strip {
    const char* name;
    int32_t resourceId;
    int32_t frameWidth;
    int32_t height;
};

const Strip kStrips[] = {
    {"Flip", editorLayout::kFlipStrip, 52, 19},     {"Mute", editorLayout::kMuteStrip, 52, 19},
    {"Bypass", editorLayout::kBypassStrip, 52, 19}, {"Fine", editorLayout::kFineStrip, 52, 19},
    {"Pre", editorLayout::kPreStrip, 38, 20},
};

// The switch sits at (kLeft, kTop) of an opaque black offscreen with a
// margin on every side, so a piece drawn at the wrong place shows.
constexpr int32_t kLeft = 5;
constexpr int32_t kTop = 3;
constexpr int32_t kMargin = 4;

struct Drawn {
    std::vector<uint32_t> pixels;
    int32_t width;
    int32_t height;
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * width + x]; }
};

Drawn drawSwitch(const Strip& strip, float value, bool lampDark)
{
    auto* button = new nSwitch(CRect(kLeft, kTop, kLeft + strip.frameWidth, kTop + strip.height),
                               nullptr, 0, strip.resourceId, value);
    button->setLampDark(lampDark);
    Drawn drawn{{}, kLeft + strip.frameWidth + kMargin, kTop + strip.height + kMargin};
    auto* context = new COffscreenContext(nullptr, drawn.width, drawn.height);
    paintBackground(*context, kBlackCColor);
    button->draw(context);
    OffscreenPixels read(*context);
    for (int32_t y = 0; y < drawn.height; ++y)
        for (int32_t x = 0; x < drawn.width; ++x)
            drawn.pixels.push_back(read.at(x, y));
    context->forget();
    button->forget();
    return drawn;
}

// A strip pixel as it looks drawn over opaque black: its premultiplied
// colour, fully opaque.
uint32_t overBlack(const CDIB& strip, int32_t x, int32_t y)
{
    const uint8_t* p = strip.getPixels() + size_t(y) * strip.getRowBytes() + size_t(x) * 4;
    return 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// Compares the drawn switch with the strip: the face columns 0-35 come from
// the on frame when faceOn, the lamp columns from the on frame when lampOn;
// everything around the switch stays black. Answers the number of wrong
// pixels (and reports the first).
int wrongPixels(const Strip& strip, const Drawn& drawn, bool faceOn, bool lampOn)
{
    CDIB image(strip.resourceId);
    EXPECT_EQ(image.getWidth(), 2 * strip.frameWidth) << strip.name;
    EXPECT_EQ(image.getHeight(), strip.height) << strip.name;
    int wrong = 0;
    for (int32_t y = 0; y < drawn.height; ++y) {
        for (int32_t x = 0; x < drawn.width; ++x) {
            const int32_t column = x - kLeft, row = y - kTop;
            uint32_t expected = 0xFF000000u;
            if (column >= 0 && column < strip.frameWidth && row >= 0 && row < strip.height) {
                const bool on = column < nSwitch::kFaceWidth ? faceOn : lampOn;
                expected = overBlack(image, column + (on ? strip.frameWidth : 0), row);
            }
            if (drawn.at(x, y) != expected && wrong++ == 0)
                ADD_FAILURE() << strip.name << " at (" << x << ", " << y << "): " << std::hex
                              << drawn.at(x, y) << " instead of " << expected;
        }
    }
    return wrong;
}

} // namespace

TEST(SwitchPixels, EveryStripShowsFaceAndLampFromTheFrameItsStateAsks)
{
    for (const Strip& strip : kStrips) {
        EXPECT_EQ(wrongPixels(strip, drawSwitch(strip, 0.0f, false), false, false), 0)
            << strip.name << " off";
        EXPECT_EQ(wrongPixels(strip, drawSwitch(strip, 1.0f, false), true, true), 0)
            << strip.name << " on";
        EXPECT_EQ(wrongPixels(strip, drawSwitch(strip, 1.0f, true), true, false), 0)
            << strip.name << " on, lamp dark";
        EXPECT_EQ(wrongPixels(strip, drawSwitch(strip, 0.0f, true), false, false), 0)
            << strip.name << " off, lamp dark";
    }
}

TEST(SwitchPixels, LampDarkDimsOnlyTheColouredLampsAndPreLooksTheSame)
{
    for (const Strip& strip : kStrips) {
        const Drawn lit = drawSwitch(strip, 1.0f, false);
        const Drawn dark = drawSwitch(strip, 1.0f, true);
        EXPECT_NE(drawSwitch(strip, 0.0f, false).pixels, lit.pixels)
            << strip.name << ": on looks like off";
        if (strip.frameWidth == 38) {
            EXPECT_EQ(dark.pixels, lit.pixels)
                << "the Pre lamp lies in its face; lamp dark must not show";
            continue;
        }
        int lampDifferences = 0;
        for (int32_t y = 0; y < lit.height; ++y)
            for (int32_t x = 0; x < lit.width; ++x)
                if (lit.at(x, y) != dark.at(x, y)) {
                    ++lampDifferences;
                    EXPECT_GE(x, kLeft + nSwitch::kFaceWidth)
                        << strip.name << ": lamp dark changed the face";
                }
        EXPECT_GT(lampDifferences, 0) << strip.name << ": a dark lamp looks lit";
    }
}

TEST(SwitchPixels, AnyNonZeroValueShowsOn)
{
    const Strip& flip = kStrips[0];
    const Drawn on = drawSwitch(flip, 1.0f, false);
    for (float value : {0.3f, 0.0001f, -1.0f, 7.0f})
        EXPECT_EQ(drawSwitch(flip, value, false).pixels, on.pixels) << value;
}

namespace {

// A switch with tag 3 at (179, 371) in a frame without a window; editor and
// listener write into one log, and the listener keeps the values it saw.
class SwitchPressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new tolvo::RecordingFrame(CRect(0, 0, 265, 534), &editor);
        button = new nSwitch(editorLayout::kMuteRect, &listener, 3, editorLayout::kMuteStrip, 0.0f);
        frame->addView(button);
    }
    void TearDown() override { frame->forget(); }

    Log log;
    tolvo::RecordingEditor editor{log};
    tolvo::RecordingListener listener{log};
    tolvo::RecordingFrame* frame = nullptr;
    nSwitch* button = nullptr;
};

} // namespace

TEST_F(SwitchPressTest, EveryPressFlipsOnceInsideOneEditWhateverTheButtons)
{
    const CButtonState presses[] = {kLButton,
                                    kRButton,
                                    kMButton,
                                    kLButton | kDoubleClick,
                                    kLButton | kShift,
                                    kRButton | kControl | kAlt,
                                    kLButton | kControl,
                                    0};
    float expected = 0.0f;
    for (CButtonState buttons : presses) {
        log.clear();
        expected = 1.0f - expected;
        EXPECT_EQ(button->onMouseDown(CPoint(190, 380), buttons), kMouseEventHandled) << buttons;
        EXPECT_EQ(button->getValue(), expected) << buttons;
        EXPECT_EQ(log, (Log{"host begin 3", "valueChanged 3", "host end 3"})) << buttons;
        ASSERT_FALSE(listener.values.empty());
        EXPECT_EQ(listener.values.back(), expected) << buttons;
        EXPECT_FALSE(button->isDirty()) << "the flipped switch was not invalidated";
    }
    EXPECT_FALSE(frame->invalidated.empty());
}

TEST_F(SwitchPressTest, ThroughTheFrameADoubleClickFlipsTwiceAndARightClickFlips)
{
    frame->onMouseDown(CPoint(200, 380), kLButton);
    frame->onMouseUp(CPoint(200, 380), kLButton);
    frame->onMouseDown(CPoint(200, 380), kLButton | kDoubleClick);
    frame->onMouseUp(CPoint(200, 380), kLButton);
    EXPECT_EQ(button->getValue(), 0.0f);
    frame->onMouseDown(CPoint(231, 390), kRButton);
    EXPECT_EQ(button->getValue(), 1.0f) << "a right click on the bottom-right corner";
    EXPECT_EQ(std::count(log.begin(), log.end(), "host begin 3"), 3);
    EXPECT_EQ(std::count(log.begin(), log.end(), "host end 3"), 3);
}

TEST_F(SwitchPressTest, AValueSetFromOutsideIsKeptAndAClickGivesItsComplement)
{
    button->setValue(0.3f);
    EXPECT_EQ(button->getValue(), 0.3f) << "the switch must not round values it is given";
    button->onMouseDown(CPoint(190, 380), kLButton);
    EXPECT_FLOAT_EQ(button->getValue(), 0.7f);
}

TEST_F(SwitchPressTest, LampDarkIsKeptApartFromTheValueAndMarksTheSwitchForRedraw)
{
    button->setValue(1.0f);
    button->setDirty(false);
    button->setLampDark(true);
    EXPECT_TRUE(button->isLampDark());
    EXPECT_TRUE(button->isDirty());
    button->onMouseDown(CPoint(190, 380), kLButton);
    EXPECT_TRUE(button->isLampDark()) << "a click must leave the lamp flag alone";
    button->setValue(1.0f);
    button->setDirty(false);
    button->setLampDark(false);
    EXPECT_TRUE(button->isDirty());
    EXPECT_EQ(button->newCopy(), nullptr);
}

// The lamp shows only while the switch is on: an off switch, or a lamp told
// what it already is, is not drawn again.
TEST_F(SwitchPressTest, OnlyALampChangeThatShowsMarksTheSwitch)
{
    button->setValue(0.0f);
    button->setDirty(false);
    button->setLampDark(true);
    EXPECT_TRUE(button->isLampDark());
    EXPECT_FALSE(button->isDirty()) << "off: the lamp is dark either way";
    button->setValue(1.0f);
    button->setDirty(false);
    button->setLampDark(true);
    EXPECT_FALSE(button->isDirty()) << "already dark";
    button->setLampDark(false);
    EXPECT_TRUE(button->isDirty());
}

TEST(SwitchAlone, APressWithoutFrameOrListenerStillFlips)
{
    auto* button = new nSwitch(CRect(0, 0, 52, 19), nullptr, 2, editorLayout::kFlipStrip, 1.0f);
    EXPECT_EQ(button->onMouseDown(CPoint(3, 3), kLButton), kMouseEventHandled);
    EXPECT_EQ(button->getValue(), 0.0f);
    button->forget();
}

TEST(SwitchAlone, AMissingImageDrawsNothingAndDoesNotFail)
{
    auto* button = new nSwitch(CRect(2, 2, 54, 21), nullptr, 2, 999, 1.0f);
    auto* context = new COffscreenContext(nullptr, 60, 25);
    paintBackground(*context, kBlackCColor);
    button->draw(context);
    EXPECT_EQ(OffscreenPixels(*context).inkBounds(0xFF000000), CRect());
    context->forget();
    button->forget();
}

} // namespace tolvo
