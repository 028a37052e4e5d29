// The value field: texts of both kinds, where and how they are painted over
// the panel copy, what a finished entry means, and readout clicks. Entries
// are the fake ones of a frame without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "controls/BitmapFont.h"
#include "controls/PanelPicture.h"
#include "controls/StringValParameter.h"
#include "controls/nText.h"
#include "editor/PlugEdLayout.h"
#include "tests/support/view/OffscreenPixels.h"
#include "tests/support/view/ViewTestDoubles.h"

namespace tolvo {

using namespace gui;
using tolvo::Log;

namespace {

constexpr int32_t kPanelWidth = 120;
constexpr int32_t kPanelHeight = 40;
// Entry fields are 57 x 14, readouts 33 x 10, as on the editor's panel.
const CRect kEntryRect(20, 10, 77, 24);
const CRect kReadoutRect(20, 10, 53, 20);

// An opaque panel in which every pixel differs from its neighbours, so a
// copy from the wrong place shows.
CDIB* makePanel()
{
    auto* panel = new CDIB(nullptr, kPanelWidth, kPanelHeight);
    for (int32_t y = 0; y < kPanelHeight; ++y)
        for (int32_t x = 0; x < kPanelWidth; ++x)
            putPixel(*panel, x, y,
                     0xFF000000u | uint32_t(x * 2) << 16 | uint32_t(y * 6) << 8 |
                         uint32_t((x + y) * 3 % 256));
    return panel;
}

// Display texts, as the editor would answer them, and what was typed. Like
// the engine it leaves the text alone for tags that are no parameter.
class FakeStrings : public StringValParameter {
public:
    void getStringValue(int32_t tag, char* text) override
    {
        if (tag < kParameterCount)
            std::snprintf(text, 256, "%s", display.c_str());
    }
    void setStringValue(int32_t tag, const char* text) override
    {
        log.push_back("set " + std::to_string(tag) + " '" + text + "'");
        display = displayAfterSet;
    }

    static constexpr int32_t kParameterCount = 5;
    std::string display = "0";
    std::string displayAfterSet = "  6.00";
    Log log;
};

// A change as the tag and the text the field shows when it reports it.
std::string tagAndText(CControl* control)
{
    return std::to_string(control->getTag()) + " '" +
           std::string(static_cast<nText*>(control)->getText()) + "'";
}

struct Picture {
    std::vector<uint32_t> pixels;
    bool operator==(const Picture& other) const { return pixels == other.pixels; }
};

// What a field must look like: its piece of the panel with the text painted
// by the font at x.
Picture expectedPicture(const CDIB& panel, const CRect& rect, bool entryField, int32_t x,
                        const char* text)
{
    CDIB strip(entryField ? editorLayout::kLargeDigits : editorLayout::kSmallDigits);
    BitmapFont font(&strip, entryField ? 7 : 6, entryField ? 11 : 9, entryField ? 0 : -1);
    font.setSpaceAdvance(entryField ? 7 : 6);
    font.setFixedPitch(true);
    CDIB region(nullptr, rect.width(), rect.height());
    copyClippedPixels(panel, rect, region);
    font.drawText(region.getPixels(), region.getRowBytes(), x, 0, text,
                  entryField ? 0xFFFFFF : 0x000000);
    Picture picture;
    for (int32_t y = 0; y < rect.height(); ++y)
        for (int32_t px = 0; px < rect.width(); ++px) {
            const uint8_t* p =
                region.getPixels() + size_t(y) * region.getRowBytes() + size_t(px) * 4;
            picture.pixels.push_back(uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 |
                                     uint32_t(p[1]) << 8 | p[0]);
        }
    return picture;
}

// An offscreen of the panel's size, black until fields draw into it.
class Screen {
public:
    Screen() : context(new COffscreenContext(nullptr, kPanelWidth, kPanelHeight))
    {
        paintBackground(*context, kBlackCColor);
    }
    ~Screen() { context->forget(); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Picture show(nText* field)
    {
        field->draw(context);
        return read(rectOf(field));
    }
    Picture read(const CRect& rect) const
    {
        OffscreenPixels pixels(*context);
        Picture picture;
        for (int32_t y = rect.top; y < rect.bottom; ++y)
            for (int32_t x = rect.left; x < rect.right; ++x)
                picture.pixels.push_back(pixels.at(x, y));
        return picture;
    }
    // Whether every pixel outside rect is still black.
    bool untouchedOutside(const CRect& rect) const
    {
        OffscreenPixels pixels(*context);
        for (int32_t y = 0; y < kPanelHeight; ++y)
            for (int32_t x = 0; x < kPanelWidth; ++x)
                if (!rect.pointInside(CPoint(x, y)) && pixels.at(x, y) != 0xFF000000u)
                    return false;
        return true;
    }

    static CRect rectOf(nText* field) { return field->isEntryField() ? kEntryRect : kReadoutRect; }

    COffscreenContext* context;
};

class TextFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        outer.describe = tagAndText;
        panel = makePanel();
        largeDigits = new CDIB(editorLayout::kLargeDigits);
        smallDigits = new CDIB(editorLayout::kSmallDigits);
        frame = new tolvo::RecordingFrame(CRect(0, 0, kPanelWidth, kPanelHeight), &editor);
    }
    void TearDown() override
    {
        frame->forget();
        for (CDIB* image : {panel, largeDigits, smallDigits})
            image->forget();
    }

    nText* addEntryField(int32_t tag = 0)
    {
        auto* field = new nText(kEntryRect, tag, &outer, largeDigits, panel, &strings, true);
        frame->addView(field);
        return field;
    }
    nText* addReadout(int32_t tag = 504)
    {
        auto* field = new nText(kReadoutRect, tag, &outer, smallDigits, panel, &strings, false);
        frame->addView(field);
        return field;
    }
    Picture expected(bool entryField, int32_t x, const char* text) const
    {
        return expectedPicture(*panel, entryField ? kEntryRect : kReadoutRect, entryField, x, text);
    }
    // Opens the field's entry with a left click inside it.
    tolvo::FakeTextEntry* open(nText* field)
    {
        EXPECT_EQ(field->onMouseDown(CPoint(30, 15), kLButton),
                  kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        return frame->openEntry;
    }

    CDIB* panel = nullptr;
    CDIB* largeDigits = nullptr;
    CDIB* smallDigits = nullptr;
    Log log;
    tolvo::RecordingEditor editor{log};
    RecordingListener outer{log};
    FakeStrings strings;
    tolvo::RecordingFrame* frame = nullptr;
};

} // namespace

TEST_F(TextFieldTest, EntryFieldShowsTheDisplayTextCentredInWhiteOverItsPanelPiece)
{
    Screen screen;
    nText* field = addEntryField();
    EXPECT_STREQ(field->getText(), "0") << "the constructor reads the display text";
    // One fixed-pitch cell of 7 in 57 pixels starts at 25.
    EXPECT_EQ(screen.show(field), expected(true, 25, "0"));
    EXPECT_TRUE(screen.untouchedOutside(kEntryRect));

    strings.display = "  6.00";
    field->setValue(0.6295f);
    EXPECT_STREQ(field->getText(), "  6.00");
    // Six cells (the blanks advance 7 too) of 42 pixels start at 7.
    EXPECT_EQ(screen.show(field), expected(true, 7, "  6.00"));

    strings.display = "-oo";
    field->setValue(0.0f);
    EXPECT_EQ(screen.show(field), expected(true, 25, "-")) << "-oo is painted as a lone minus sign";
}

TEST_F(TextFieldTest, GlyphsSitInTheirCellsAndThePanelShowsAroundThem)
{
    Screen screen;
    strings.display = "  6.00";
    nText* field = addEntryField();
    const Picture drawn = screen.show(field);
    const Picture plain = expected(true, 0, "");
    ASSERT_EQ(drawn.pixels.size(), plain.pixels.size());
    int inked = 0;
    for (size_t i = 0; i < drawn.pixels.size(); ++i) {
        const int32_t x = int32_t(i % kEntryRect.width()), y = int32_t(i / kEntryRect.width());
        if (drawn.pixels[i] == plain.pixels[i])
            continue;
        ++inked;
        EXPECT_GE(x, 7 + 2 * 7) << "ink in the two blank cells";
        EXPECT_LT(x, 7 + 6 * 7) << "ink right of the last cell";
        EXPECT_LT(y, 11) << "ink below the glyph rows";
    }
    EXPECT_GT(inked, 20) << "the digits left no mark";
}

TEST_F(TextFieldTest, ReadoutShowsTheLevelInDecibelsWithTwoDecimalsOrAMinus)
{
    Screen screen;
    nText* readout = addReadout();
    EXPECT_STREQ(readout->getText(), "") << "a readout shows nothing until it gets a level";
    const struct {
        float level;
        const char* text;
    } levels[] = {
        {0.0f, "-"},
        {1.0f, "  0.00"},
        {2.0f, "  6.02"},
        {0.5f, " -6.02"},
        {-1.0f, "-"},
        {1e-5f, "-100.00"},
        {std::numeric_limits<float>::quiet_NaN(), "-"},
        {-std::numeric_limits<float>::infinity(), "-"},
    };
    for (const auto& level : levels) {
        readout->setValue(level.level);
        EXPECT_STREQ(readout->getText(), level.text) << level.level;
        EXPECT_TRUE(readout->getValue() == level.level || std::isnan(level.level))
            << "the value is kept as given";
    }

    readout->setValue(2.0f);
    // Six cells of 5 pixels in 33 start at 1; black digits.
    EXPECT_EQ(screen.show(readout), expected(false, 1, "  6.02"));
    readout->setValue(0.0f);
    EXPECT_EQ(screen.show(readout), expected(false, 14, "-"));
    EXPECT_TRUE(screen.untouchedOutside(kReadoutRect));
}

TEST_F(TextFieldTest, TextWiderThanTheFieldIsNotPaintedAndThePreviousPictureStays)
{
    Screen screen;
    nText* readout = addReadout();
    readout->setValue(2.0f);
    const Picture before = screen.show(readout);
    readout->setValue(1e-5f);
    EXPECT_EQ(screen.show(readout), before) << "-100.00 needs 35 pixels of 33";

    Screen blank;
    strings.display = "123456789";
    nText* field = addEntryField();
    EXPECT_EQ(blank.show(field), Picture{std::vector<uint32_t>(57 * 14, 0xFF000000u)})
        << "nine cells need 63 pixels of 57";
}

// Covering its rectangle lets the frame skip the panel beneath: only when the
// next draw paints all of it.
TEST_F(TextFieldTest, AFieldCoversItsRectangleOnlyWhenItsNextDrawPaintsAllOfIt)
{
    nText* readout = addReadout();
    readout->setValue(2.0f);
    EXPECT_TRUE(readout->isOpaque());
    readout->setValue(1e-5f);
    EXPECT_FALSE(readout->isOpaque()) << "-100.00 is too wide and is not painted";

    nText* field = addEntryField();
    EXPECT_TRUE(field->isOpaque());
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(field->isOpaque()) << "the entry is open and the field is not drawn";
    entry->pressReturn();
    EXPECT_TRUE(field->isOpaque());
    field->setViewSize(CRect(19, 6, 78, 28));
    EXPECT_FALSE(field->isOpaque()) << "the picture keeps the first, smaller rectangle";

    auto* offPanel =
        new nText(CRect(250, 0, 290, 20), 504, &outer, smallDigits, panel, &strings, false);
    EXPECT_FALSE(offPanel->isOpaque());
    offPanel->forget();
}

TEST_F(TextFieldTest, LevelsOfAnyMagnitudeNeverPaintOutsideTheField)
{
    Screen screen;
    nText* readout = addReadout();
    const float levels[] = {
        std::numeric_limits<float>::infinity(), std::numeric_limits<float>::max(),
        std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(), 1e30f};
    for (float level : levels) {
        readout->setValue(level);
        const std::string text = readout->getText();
        EXPECT_LE(text.size(), 8u) << level;
        screen.show(readout);
        EXPECT_TRUE(screen.untouchedOutside(kReadoutRect)) << level;
    }
    readout->setValue(std::numeric_limits<float>::max());
    EXPECT_STREQ(readout->getText(), "770.64");
    EXPECT_EQ(screen.show(readout), expected(false, 1, "770.64"));
}

TEST_F(TextFieldTest, FieldsTooSmallForTheirGlyphsKeepEveryWriteInside)
{
    Screen screen;
    // Six cells of 5 with a last glyph 6 wide need 31 pixels, the glyphs 9 rows.
    const CRect narrow(40, 20, 70, 30);
    const CRect flat(10, 30, 50, 35);
    auto* tight = new nText(narrow, 504, &outer, smallDigits, panel, &strings, false);
    auto* low = new nText(flat, 508, &outer, smallDigits, panel, &strings, false);
    frame->addView(tight);
    frame->addView(low);
    tight->setValue(2.0f);
    low->setValue(2.0f);
    tight->draw(screen.context);
    low->draw(screen.context);
    EXPECT_EQ(screen.read(narrow), expectedPicture(*panel, narrow, false, 0, ""));
    EXPECT_EQ(screen.read(flat), expectedPicture(*panel, flat, false, 0, ""));
}

TEST_F(TextFieldTest, ANewFieldIsDirtyAndAWiderViewSizeKeepsThePaintingInTheCreatedRectangle)
{
    auto* detached = new nText(kEntryRect, 0, &outer, largeDigits, panel, &strings, true);
    EXPECT_TRUE(detached->isDirty());
    detached->forget();

    Screen screen;
    nText* field = addEntryField();
    field->setViewSize(CRect(19, 6, 78, 28));
    EXPECT_EQ(screen.show(field), expected(true, 25, "0"));
    EXPECT_TRUE(screen.untouchedOutside(kEntryRect));
    field->setCentred(false);
    field->setDirty(true);
    EXPECT_EQ(screen.show(field), expected(true, 50, "0")) << "right-aligned";
    EXPECT_EQ(field->newCopy(), nullptr);
}

TEST_F(TextFieldTest, ReturnCommitsTheTypedTextThenTellsTheOuterListener)
{
    nText* field = addEntryField();
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->initialText, "0");
    entry->typed = "6";
    entry->pressReturn();
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(strings.log, (Log{"set 0 '6'"}));
    EXPECT_EQ(log, (Log{"host begin 0", "host end 0", "valueChanged 0 '  6.00'"}));
    EXPECT_STREQ(field->getText(), "  6.00");
}

TEST_F(TextFieldTest, AnyOtherEndOfTheEntryPutsTheDisplayTextBack)
{
    nText* field = addEntryField();
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    entry->typed = "6";
    entry->loseFocus();
    EXPECT_STREQ(field->getText(), "0");
    EXPECT_TRUE(strings.log.empty());
    EXPECT_EQ(log, (Log{"host begin 0", "host end 0"}));

    // A click elsewhere in the frame clears its focus view, which closes
    // the entry the same way.
    entry = open(field);
    ASSERT_NE(entry, nullptr);
    entry->typed = "12";
    frame->setFocusView(nullptr);
    EXPECT_FALSE(field->isEditing());
    EXPECT_STREQ(field->getText(), "0");
    EXPECT_TRUE(strings.log.empty());
}

TEST_F(TextFieldTest, ReturnWithoutAChangeCommitsNothing)
{
    nText* field = addEntryField();
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    entry->pressReturn();
    EXPECT_TRUE(strings.log.empty());
    EXPECT_EQ(log, (Log{"host begin 0", "host end 0"}));
}

TEST_F(TextFieldTest, OnlyALeftClickOpensTheEntryAndItOpensWithTheLatestText)
{
    nText* field = addEntryField();
    EXPECT_EQ(field->onMouseDown(CPoint(30, 15), kRButton), kMouseEventNotHandled);
    EXPECT_EQ(frame->openEntry, nullptr);
    strings.display = " -3.50";
    field->setValue(0.45f);
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->initialText, " -3.50") << "a value set before the click is shown in the entry";
    entry->loseFocus();
}

TEST_F(TextFieldTest, AValueArrivingDuringTheEntryNeitherChangesNorDefeatsWhatIsTyped)
{
    Screen screen;
    nText* field = addEntryField();
    screen.show(field);
    const Picture before = screen.read(kEntryRect);
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    strings.display = "  1.00";
    field->setValue(0.53f);
    field->setDirty(true);
    field->draw(screen.context);
    EXPECT_FALSE(field->isDirty()) << "drawing under the open entry clears the dirty mark";
    EXPECT_EQ(screen.read(kEntryRect), before) << "nothing is painted under the open entry";
    entry->typed = "6";
    entry->pressReturn();
    EXPECT_EQ(strings.log, (Log{"set 0 '6'"})) << "the host's value replaced the typed text";
    EXPECT_STREQ(field->getText(), "  6.00");

    entry = open(field);
    ASSERT_NE(entry, nullptr);
    strings.display = "  2.00";
    field->setValue(0.55f);
    entry->typed = "9";
    entry->loseFocus();
    EXPECT_STREQ(field->getText(), "  2.00") << "a cancelled entry shows the newest display text";
}

TEST_F(TextFieldTest, AnyClickOnAReadoutResetsItsValueAndTellsTheOuterListener)
{
    nText* readout = addReadout();
    const CButtonState clicks[] = {kLButton, kRButton, kMButton, kLButton | kDoubleClick,
                                   kRButton | kShift | kControl};
    for (CButtonState buttons : clicks) {
        log.clear();
        readout->setValue(2.0f);
        EXPECT_STREQ(readout->getText(), "  6.02");
        EXPECT_EQ(readout->onMouseDown(CPoint(30, 15), buttons), kMouseEventHandled) << buttons;
        EXPECT_EQ(readout->getValue(), 0.0f) << buttons;
        EXPECT_EQ(log, (Log{"valueChanged 504 '  6.02'"}))
            << "the text changes when the editor next sets it";
    }
    EXPECT_EQ(frame->openEntry, nullptr);
    readout->takeFocus();
    EXPECT_EQ(frame->openEntry, nullptr) << "a readout opened an entry";
    EXPECT_FALSE(readout->wantsFocus());
}

TEST_F(TextFieldTest, WithoutTextInterfaceOrListenerTheFieldStillWorks)
{
    Screen screen;
    auto* field = new nText(kEntryRect, 1, nullptr, largeDigits, panel, nullptr, true);
    frame->addView(field);
    EXPECT_STREQ(field->getText(), "");
    tolvo::FakeTextEntry* entry = open(field);
    ASSERT_NE(entry, nullptr);
    entry->typed = "3";
    entry->pressReturn();
    EXPECT_EQ(screen.show(field), expected(true, 25, "3"));
    auto* readout = new nText(kReadoutRect, 504, nullptr, nullptr, nullptr, nullptr, false);
    frame->addView(readout);
    readout->setValue(1.0f);
    EXPECT_EQ(readout->onMouseDown(CPoint(30, 15), kLButton), kMouseEventHandled);
    readout->draw(screen.context);
}

} // namespace tolvo
