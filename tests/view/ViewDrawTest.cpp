#include <gtest/gtest.h>

#include "tests/support/view/PixelColours.h"
#include "tests/support/view/ViewTestDoubles.h"
#include "view/CFontDesc.h"
#include "view/CParamDisplay.h"
#include "view/CTextEdit.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr CColor kGreyCColor{128, 128, 128, 255};

// Text is antialiased: its pixels are blends of the text and back colours.
bool reddish(uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) > ((pixel >> 8) & 0xFF) + 64;
}
constexpr CColor kGreenCColor{0, 255, 0, 255};
constexpr CColor kBlueCColor{0, 0, 255, 255};
constexpr CColor kYellowCColor{255, 255, 0, 255};

// A frame (0, 0, 120, 130) with container C at (10, 20, 110, 120) on blue,
// holding red A (0, 0, 50, 50), green B (20, 20, 70, 70) above it and an
// invisible yellow D (80, 80, 90, 90).
class ContainerDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new RecordingFrame(CRect(0, 0, 120, 130));
        container = new CViewContainer(CRect(10, 20, 110, 120));
        container->setBackgroundColor(kBlueCColor);
        a = addChild("A", CRect(0, 0, 50, 50), kRedCColor);
        b = addChild("B", CRect(20, 20, 70, 70), kGreenCColor);
        d = addChild("D", CRect(80, 80, 90, 90), kYellowCColor);
        d->setVisible(false);
        frame->addView(container);
        offscreen = new COffscreenContext(frame, 120, 130);
    }

    void TearDown() override
    {
        offscreen->forget();
        frame->forget();
    }

    EventView* addChild(const char* name, const CRect& rect, const CColor& color)
    {
        auto* view = new EventView(name, rect, log);
        view->color = color;
        container->addView(view);
        return view;
    }

    void expectPicture()
    {
        Pixels pixels(*offscreen);
        EXPECT_EQ(pixels.at(5, 5), kBlack);    // the frame's own background
        EXPECT_EQ(pixels.at(12, 22), kRed);    // A alone
        EXPECT_EQ(pixels.at(35, 45), kGreen);  // A under B
        EXPECT_EQ(pixels.at(9, 19), kBlack);   // A's overspill, clipped away
        EXPECT_EQ(pixels.at(81, 91), kBlue);   // B's overspill, clipped away
        EXPECT_EQ(pixels.at(95, 105), kBlue);  // the invisible D
        EXPECT_EQ(pixels.at(109, 119), kBlue); // the container's last pixel
    }

    Log log;
    RecordingFrame* frame = nullptr;
    CViewContainer* container = nullptr;
    EventView* a = nullptr;
    EventView* b = nullptr;
    EventView* d = nullptr;
    COffscreenContext* offscreen = nullptr;
};

} // namespace

TEST_F(ContainerDrawTest, ChildrenDrawInOrderEachClippedToItsRectangle)
{
    frame->drawRect(offscreen, CRect(0, 0, 120, 130));
    expectPicture();
    EXPECT_EQ(d->drawCount, 0);
    EXPECT_EQ(offscreen->getOffset(), CPoint(0, 0));
}

TEST_F(ContainerDrawTest, OnlyChildrenMeetingTheUpdateAreDrawn)
{
    frame->drawRect(offscreen, CRect(10, 20, 25, 35));
    EXPECT_EQ(a->drawCount, 1);
    EXPECT_EQ(b->drawCount, 0);
}

TEST_F(ContainerDrawTest, OffscreenContainerGivesTheSamePicture)
{
    container->useOffscreen(true);
    fill(*offscreen, CRect(0, 0, 120, 130), kWhiteCColor);
    frame->drawRect(offscreen, CRect(0, 0, 120, 130));
    expectPicture();
}

namespace {

// A display at (5, 5, 55, 25) drawn into a grey 60 × 30 offscreen: blue back
// colour, red frame colour, white text.
class DisplayDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        offscreen = new COffscreenContext(nullptr, 60, 30);
        fill(*offscreen, CRect(0, 0, 60, 30), kGreyCColor);
        display = new CParamDisplay(CRect(5, 5, 55, 25));
        display->setBackColor(kBlueCColor);
        display->setFrameColor(kRedCColor);
        display->setValue(0.5f);
    }

    void TearDown() override
    {
        display->forget();
        offscreen->forget();
    }

    Pixels draw()
    {
        display->draw(offscreen);
        return Pixels(*offscreen);
    }

    static constexpr CRect kInside{6, 6, 54, 24};

    COffscreenContext* offscreen = nullptr;
    CParamDisplay* display = nullptr;
};

} // namespace

TEST_F(DisplayDrawTest, NoDrawStyleDrawsNothingAndStartsClean)
{
    auto* hidden = new CParamDisplay(CRect(5, 5, 55, 25), nullptr, kNoDrawStyle);
    EXPECT_FALSE(hidden->isDirty());
    hidden->draw(offscreen);
    EXPECT_EQ(Pixels(*offscreen).count(CRect(0, 0, 60, 30), kGrey), 60 * 30);
    hidden->forget();
}

TEST_F(DisplayDrawTest, PlainDisplayFillsFramesAndWritesTheValue)
{
    Pixels pixels = draw();
    EXPECT_EQ(pixels.at(5, 10), kRed);
    EXPECT_EQ(pixels.at(54, 10), kRed);
    EXPECT_EQ(pixels.at(30, 24), kRed);
    EXPECT_EQ(pixels.at(4, 10), kGrey);
    EXPECT_GT(48 * 18 - pixels.count(kInside, kBlue), 30);
    EXPECT_FALSE(display->isDirty());
}

TEST_F(DisplayDrawTest, NoTextStyleDrawsBackgroundAndFrameOnly)
{
    display->setStyle(kNoTextStyle);
    Pixels pixels = draw();
    EXPECT_EQ(pixels.at(5, 10), kRed);
    EXPECT_EQ(pixels.count(kInside, kBlue), 48 * 18);
}

TEST_F(DisplayDrawTest, NoFrameStyleLeavesTheEdgeInTheBackColour)
{
    display->setStyle(kNoFrame | kNoTextStyle);
    EXPECT_EQ(draw().count(CRect(5, 5, 55, 25), kBlue), 50 * 20);
}

TEST_F(DisplayDrawTest, SunkenEdgeTakesTheBackColourTopLeftRaisedTheFrameColour)
{
    display->setTransparency(true);
    display->setStyle(k3DIn | kNoTextStyle);
    Pixels sunken = draw();
    EXPECT_EQ(sunken.at(5, 10), kBlue);
    EXPECT_EQ(sunken.at(30, 6), kBlue);
    EXPECT_EQ(sunken.at(54, 10), kRed);
    EXPECT_EQ(sunken.at(30, 15), kGrey); // transparent: no fill

    display->setStyle(k3DOut | kNoTextStyle);
    Pixels raised = draw();
    EXPECT_EQ(raised.at(5, 10), kRed);
    EXPECT_EQ(raised.at(30, 6), kRed);
    EXPECT_EQ(raised.at(54, 10), kBlue);
}

TEST_F(DisplayDrawTest, ShadowTextIsDrawnInTheShadowColourFirst)
{
    EXPECT_EQ(draw().countIf(kInside, reddish), 0);
    display->setStyle(kShadowText);
    EXPECT_GT(draw().countIf(kInside, reddish), 10);
}

TEST_F(DisplayDrawTest, BackgroundBitmapIsDrawnFromTheBackOffset)
{
    auto* picture = new COffscreenContext(nullptr, 100, 20);
    fill(*picture, CRect(0, 0, 50, 20), kGreenCColor);
    fill(*picture, CRect(50, 0, 100, 20), kYellowCColor);
    display->setBackground(picture->getBitmap());
    display->setStyle(kNoTextStyle);
    EXPECT_EQ(draw().count(CRect(5, 5, 55, 25), kGreen), 50 * 20);
    display->setBackOffset(CPoint(50, 0));
    EXPECT_EQ(draw().count(CRect(5, 5, 55, 25), kYellow), 50 * 20);
    picture->forget();
}

namespace {

struct ConverterCall {
    float value = 0.0f;
    int calls = 0;
};

void convertWithData(float value, char* text, void* userData)
{
    auto* call = static_cast<ConverterCall*>(userData);
    call->value = value;
    ++call->calls;
    text[0] = '\0';
}

void convertPlain(float, char* text)
{
    std::snprintf(text, CParamDisplay::kTextSize, "plain");
}

} // namespace

TEST_F(DisplayDrawTest, ConverterWithUserDataWinsAndAnEmptyTextDrawsNoText)
{
    ConverterCall call;
    display->setStringConvert(convertPlain);
    display->setStringConvert(convertWithData, &call);
    display->setValue(0.25f);
    Pixels pixels = draw();
    EXPECT_EQ(call.calls, 1);
    EXPECT_EQ(call.value, 0.25f);
    EXPECT_EQ(pixels.count(kInside, kBlue), 48 * 18);
}

TEST_F(DisplayDrawTest, SettersMarkDirtyOnlyWhenSomethingChanges)
{
    using ColorSetter = void (CParamDisplay::*)(const CColor&);
    const std::pair<ColorSetter, CColor> unchanged[] = {
        {&CParamDisplay::setFontColor, kWhiteCColor},
        {&CParamDisplay::setBackColor, kBlueCColor},
        {&CParamDisplay::setFrameColor, kRedCColor},
        {&CParamDisplay::setShadowColor, kRedCColor},
    };
    for (const auto& [setter, color] : unchanged) {
        display->setDirty(false);
        (display->*setter)(color);
        EXPECT_FALSE(display->isDirty());
        CColor other = color;
        other.alpha = 254;
        (display->*setter)(other);
        EXPECT_TRUE(display->isDirty());
    }

    display->setDirty(false);
    display->setHoriAlign(kCenterText);
    display->setStyle(0);
    display->setAntialias(true);
    display->setTextTransparency(false);
    EXPECT_FALSE(display->isDirty());
    display->setHoriAlign(kLeftText);
    EXPECT_TRUE(display->isDirty());

    const int32_t fontCount = kNormalFont->getNbReference();
    display->setDirty(false);
    display->setFont(kNormalFont);
    EXPECT_TRUE(display->isDirty());
    EXPECT_EQ(kNormalFont->getNbReference(), fontCount);
    display->setFont(kNormalFontBig);
    EXPECT_EQ(kNormalFont->getNbReference(), fontCount - 1);
}

TEST(TextEditDraw, OpenFieldIsNotDrawnAndShowsItsTextWhenClosed)
{
    auto* frame = new RecordingFrame(CRect(0, 0, 60, 30));
    auto* field = new CTextEdit(CRect(5, 5, 55, 25), nullptr, 0, "88");
    field->setBackColor(kBlueCColor);
    frame->addView(field);
    auto* offscreen = new COffscreenContext(frame, 60, 30);
    fill(*offscreen, CRect(0, 0, 60, 30), kGreyCColor);

    frame->onMouseDown(CPoint(10, 10), kLButton);
    ASSERT_TRUE(field->isEditing());
    field->draw(offscreen);
    EXPECT_FALSE(field->isDirty());
    EXPECT_EQ(Pixels(*offscreen).count(CRect(0, 0, 60, 30), kGrey), 60 * 30);

    frame->openEntry->pressReturn();
    field->draw(offscreen);
    Pixels pixels(*offscreen);
    const int inside = 48 * 18;
    EXPECT_GT(pixels.count(CRect(6, 6, 54, 24), kBlue), inside / 2);
    EXPECT_LT(pixels.count(CRect(6, 6, 54, 24), kBlue), inside - 20);
    offscreen->forget();
    frame->forget();
}

} // namespace tolvo
