// Editing in the Linux text entry: typing replaces the selection, the caret
// moves by whole UTF-8 characters, and the limit holds.
#include <gtest/gtest.h>

#include "view/platform/x11/EntryEditingState.h"

namespace tolvo {

using namespace gui;

namespace {

void typeText(EntryEditingState& text, const char* characters)
{
    for (; *characters; ++characters)
        text.insert(static_cast<unsigned char>(*characters));
}

TEST(EntryEditingStateTest, TypingReplacesTheSelectionAndEditingKeysWork)
{
    EntryEditingState text("-12.5", 255);
    text.selectAll();
    typeText(text, "30");
    EXPECT_EQ(text.text(), "30");
    text.moveLeft(false);
    typeText(text, ".");
    EXPECT_EQ(text.text(), "3.0");
    text.backspace();
    text.deleteForward();
    EXPECT_EQ(text.text(), "3");
    text.moveHome(false);
    typeText(text, "-");
    text.moveEnd(true);
    EXPECT_EQ(text.selectionStart(), 1u);
    EXPECT_EQ(text.selectionEnd(), 2u);
    text.backspace();
    EXPECT_EQ(text.text(), "-");
    EXPECT_FALSE(text.insert('\r'));
    EXPECT_EQ(text.text(), "-");
}

TEST(EntryEditingStateTest, CaretAndDeletionStepOverWholeCharacters)
{
    EntryEditingState text("a\xC3\xA9"
                           "b",
                           255);
    text.moveLeft(false);
    text.moveLeft(false);
    EXPECT_EQ(text.caret(), 1u);
    text.deleteForward();
    EXPECT_EQ(text.text(), "ab");
    text.insert(0x20AC);
    EXPECT_EQ(text.text(), "a\xE2\x82\xAC"
                           "b");
    text.backspace();
    EXPECT_EQ(text.text(), "ab");
    text.setCaret(2, false);
    EXPECT_EQ(text.caret(), 2u);
}

TEST(EntryEditingStateTest, NoMoreThanTheLimitOfCharacters)
{
    EntryEditingState text(std::string(300, 'x'), 255);
    EXPECT_EQ(text.text().size(), 255u);
    EXPECT_FALSE(text.insert('y'));
    text.backspace();
    EXPECT_TRUE(text.insert(0xE9));
    EXPECT_FALSE(text.insert('z'));
    EXPECT_EQ(text.text().size(), 256u) << "254 ASCII characters and one of two bytes";

    text.selectAll();
    EXPECT_TRUE(text.insert('1')) << "typing over a full selection must work";
    EXPECT_EQ(text.text(), "1");
}

} // namespace

} // namespace tolvo
