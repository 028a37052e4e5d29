#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/support/view/ViewTestDoubles.h"
#include "view/CFontDesc.h"
#include "view/CTextEdit.h"

namespace tolvo {

using namespace gui;

namespace {

// A text field with tag 1 at (5, 6, 65, 26) inside a container at (10, 20)
// of a frame; editor and listener log into one list.
class TextEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new RecordingFrame(CRect(0, 0, 200, 200), &editor);
        auto* container = new CViewContainer(CRect(10, 20, 110, 120));
        field = new CTextEdit(CRect(5, 6, 65, 26), &listener, 1, "0.0");
        container->addView(field);
        frame->addView(container);
    }

    void TearDown() override
    {
        if (frame)
            frame->forget();
    }

    // Frame point over the field.
    static CPoint onField() { return CPoint(30, 30); }

    FakeTextEntry* open(CButtonState buttons = kLButton)
    {
        EXPECT_EQ(frame->onMouseDown(onField(), buttons),
                  kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        return frame->openEntry;
    }

    Log log;
    RecordingEditor editor{log};
    RecordingListener listener{log};
    RecordingFrame* frame = nullptr;
    CTextEdit* field = nullptr;
};

} // namespace

TEST_F(TextEditTest, ClickOpensAnEntryOverTheFieldInFrameCoordinates)
{
    field->setFont(kNormalFontBig);
    field->setFontColor(CColor{1, 2, 3, 255});
    field->setBackColor(CColor{4, 5, 6, 255});
    field->setHoriAlign(kRightText);

    FakeTextEntry* entry = open();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->settings.rect, CRect(15, 26, 76, 47));
    EXPECT_EQ(entry->initialText, "0.0");
    EXPECT_EQ(entry->fontName, "Arial");
    EXPECT_EQ(entry->settings.fontHeight, 14);
    EXPECT_EQ(entry->settings.fontColor, (CColor{1, 2, 3, 255}));
    EXPECT_EQ(entry->settings.backColor, (CColor{4, 5, 6, 255}));
    EXPECT_EQ(entry->settings.align, kRightText);
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(frame->getFocusView(), field);
    EXPECT_EQ(log, (Log{"controlBeginEdit 1", "host begin 1"}));
}

TEST_F(TextEditTest, EntryFontIsNoTallerThanTheFieldLessTwoPixels)
{
    field->setFont(kNormalFontVeryBig);
    EXPECT_EQ(open()->settings.fontHeight, 18);
    field->looseFocus();
    field->setViewSize(CRect(5, 6, 65, 18));
    EXPECT_EQ(open()->settings.fontHeight, 10);
}

TEST_F(TextEditTest, ReturnWithANewTextEndsTheEditThenReportsOnce)
{
    FakeTextEntry* entry = open();
    log.clear();
    entry->typed = "-3.5";
    entry->pressReturn();
    EXPECT_EQ(frame->openEntry, nullptr);
    EXPECT_FALSE(field->isEditing());
    EXPECT_TRUE(field->wasReturnPressed());
    EXPECT_STREQ(field->getText(), "-3.5");
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(log, (Log{"host end 1", "controlEndEdit 1", "valueChanged 1"}));
}

TEST_F(TextEditTest, ReturnWithTheTextUnchangedEndsTheEditWithoutReport)
{
    open()->pressReturn();
    EXPECT_EQ(log, (Log{"controlBeginEdit 1", "host begin 1", "host end 1", "controlEndEdit 1"}));
}

TEST_F(TextEditTest, FocusLossAndAPressElsewhereCommitToo)
{
    FakeTextEntry* entry = open();
    entry->typed = "1";
    entry->loseFocus();
    EXPECT_FALSE(field->isEditing());
    EXPECT_FALSE(field->wasReturnPressed());

    entry = open();
    entry->typed = "2";
    frame->onMouseDown(CPoint(190, 190), kLButton);
    EXPECT_FALSE(field->isEditing());
    EXPECT_STREQ(field->getText(), "2");
    EXPECT_EQ(std::count(log.begin(), log.end(), "valueChanged 1"), 2);
}

TEST_F(TextEditTest, AnotherControlsEditCommitsTheOpenField)
{
    auto* control = new TestControl(CRect(150, 150, 160, 160), &listener, 4, log);
    frame->addView(control);
    open()->typed = "7";
    log.clear();
    control->beginEdit();
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(frame->getFocusView(), control);
    EXPECT_EQ(log, (Log{"controlBeginEdit 4", "host end 1", "controlEndEdit 1", "valueChanged 1",
                        "host begin 4"}));
}

TEST_F(TextEditTest, FocusMovedOntoTheFieldOpensItInsideOneEdit)
{
    auto* container = static_cast<CViewContainer*>(frame->getView(0));
    EXPECT_TRUE(container->advanceNextFocusView(nullptr));
    ASSERT_NE(frame->openEntry, nullptr);
    frame->openEntry->pressReturn();
    EXPECT_EQ(log, (Log{"controlBeginEdit 1", "host begin 1", "host end 1", "controlEndEdit 1"}));
}

TEST_F(TextEditTest, DoubleClickStyleIgnoresASingleClick)
{
    field->setStyle(kDoubleClickStyle);
    EXPECT_EQ(frame->onMouseDown(onField(), kLButton), kMouseEventNotHandled);
    EXPECT_EQ(frame->openEntry, nullptr);
    EXPECT_NE(open(kLButton | kDoubleClick), nullptr);
}

TEST_F(TextEditTest, RightClickAndAClickOnTheOpenFieldDoNothing)
{
    EXPECT_EQ(field->onMouseDown(CPoint(10, 10), kRButton), kMouseEventNotHandled);
    open();
    log.clear();
    EXPECT_EQ(field->onMouseDown(CPoint(10, 10), kLButton), kMouseEventNotHandled);
    EXPECT_TRUE(field->isEditing());
    EXPECT_TRUE(log.empty());
}

TEST_F(TextEditTest, FieldWhoseEntryCannotOpenClosesItsEdit)
{
    frame->entriesAvailable = false;
    frame->onMouseDown(onField(), kLButton);
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(log, (Log{"controlBeginEdit 1", "host begin 1", "host end 1", "controlEndEdit 1"}));
}

TEST_F(TextEditTest, ClosingTheFrameWhileEditingEndsTheHostEditWithoutReport)
{
    open()->typed = "changed";
    log.clear();
    frame->forget();
    frame = nullptr;
    EXPECT_EQ(log, (Log{"host end 1", "controlEndEdit 1"}));
}

TEST_F(TextEditTest, LongEntryTextIsCutAtACharacterBoundary)
{
    FakeTextEntry* entry = open();
    entry->typed.clear();
    for (int i = 0; i < 200; ++i)
        entry->typed += "\xC3\xA9"; // é, two bytes
    entry->pressReturn();
    std::string expected;
    for (int i = 0; i < 127; ++i)
        expected += "\xC3\xA9";
    EXPECT_EQ(std::string(field->getText()), expected);
}

TEST(TextEditText, SetTextKeepsTheFirst255BytesWithoutSplittingACharacter)
{
    auto* field = new CTextEdit(CRect(0, 0, 10, 10), nullptr, 0, nullptr);
    field->setDirty(false);
    field->setText("");
    field->setText(nullptr);
    EXPECT_FALSE(field->isDirty());

    const std::string ascii(300, 'x');
    field->setText(ascii.c_str());
    EXPECT_EQ(std::string(field->getText()), ascii.substr(0, 255));
    EXPECT_TRUE(field->isDirty());

    field->setText(
        (std::string(254, 'y') + "\xE2\x82\xAC").c_str()); // a three-byte euro sign at byte 254
    EXPECT_EQ(std::string(field->getText()), std::string(254, 'y'));

    char copy[CParamDisplay::kTextSize];
    field->getText(copy);
    EXPECT_EQ(std::string(copy), std::string(254, 'y'));
    field->forget();

    auto* constructed = new CTextEdit(CRect(0, 0, 10, 10), nullptr, 0, ascii.c_str());
    EXPECT_EQ(std::strlen(constructed->getText()), 255u);
    constructed->forget();
}

} // namespace tolvo
