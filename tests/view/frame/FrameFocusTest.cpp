// Keyboard focus through the frame: Tab walking from the host's keys, and text
// fields whose native entry a press elsewhere, Return or Escape closes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/view/FrameHarness.h"
#include "tests/support/view/RecordingView.h"
#include "view/CControlListener.h"
#include "view/CTextEdit.h"

namespace tolvo {

using namespace gui;

namespace {

class LoggingListener : public CControlListener {
public:
    explicit LoggingListener(std::vector<ViewEvent>& log) : log(log) {}
    void valueChanged(CControl* control) override
    {
        log.push_back({"field", "changed", CPoint(), control->getTag(), 0.0f});
    }

private:
    std::vector<ViewEvent>& log;
};

VstKeyCode tabKey(bool shift)
{
    VstKeyCode key{};
    key.virt = VKEY_TAB;
    key.modifier = shift ? MODIFIER_SHIFT : 0;
    return key;
}

class FrameFocusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<FrameHarness>();
        ASSERT_TRUE(harness->ready()) << "no window or no synthetic input";
    }

    CTextEdit* addField(const CRect& rect, int32_t tag, const char* text)
    {
        auto* field = new CTextEdit(rect, &listener, tag, text);
        harness->view->addView(field);
        return field;
    }

    std::vector<ViewEvent> log;
    LoggingListener listener{log};
    std::unique_ptr<FrameHarness> harness;
};

TEST_F(FrameFocusTest, TabAndShiftTabFromTheHostMoveTheFocus)
{
    std::vector<RecordingView*> views;
    for (int i = 0; i < 3; ++i) {
        auto* view = new RecordingView(CRect(10 + 50 * i, 10, 50 + 50 * i, 40), "v", log);
        view->setWantsFocus(i != 1);
        harness->view->addView(view);
        views.push_back(view);
    }
    CFrame* frame = harness->view;
    VstKeyCode tab = tabKey(false), backTab = tabKey(true);

    EXPECT_EQ(frame->onKeyDown(tab), 1);
    EXPECT_EQ(frame->getFocusView(), views[0]);
    EXPECT_EQ(frame->onKeyDown(tab), 1);
    EXPECT_EQ(frame->getFocusView(), views[2]) << "a view that does not want focus was not skipped";
    EXPECT_EQ(frame->onKeyDown(backTab), 1);
    EXPECT_EQ(frame->getFocusView(), views[0]);
    EXPECT_EQ(frame->onKeyDown(backTab), -1);
    EXPECT_EQ(frame->getFocusView(), nullptr);

    VstKeyCode letter{};
    letter.character = 'a';
    EXPECT_EQ(frame->onKeyDown(letter), -1);
}

TEST_F(FrameFocusTest, PressElsewhereCommitsTheOpenFieldBeforeItIsDispatched)
{
    CTextEdit* field = addField(CRect(10, 10, 90, 30), 1, "0");
    auto* other = new RecordingView(CRect(100, 60, 160, 120), "other", log);
    harness->view->addView(other);
    harness->pump();

    harness->input->moveTo(CPoint(40, 20));
    harness->input->press(MouseButton::Left);
    harness->input->release(MouseButton::Left);
    ASSERT_TRUE(harness->pumpUntil([&] { return field->isEditing(); }));
    EXPECT_EQ(harness->view->getFocusView(), field);
    harness->input->type("42");
    harness->pump(150);

    harness->input->moveTo(CPoint(120, 80));
    harness->input->press(MouseButton::Left);
    harness->input->release(MouseButton::Left);
    ASSERT_TRUE(harness->pumpUntil([&] {
        return std::any_of(log.begin(), log.end(),
                           [](const ViewEvent& e) { return e.kind == "down"; });
    }));
    EXPECT_FALSE(field->isEditing());
    EXPECT_STREQ(field->getText(), "42");
    std::vector<std::string> order;
    for (const ViewEvent& event : log) {
        if (event.kind == "changed" || event.kind == "down")
            order.push_back(event.view + ":" + event.kind);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"field:changed", "other:down"}));
    EXPECT_EQ(harness->edits, (std::vector<int32_t>{2, -2}));
}

TEST_F(FrameFocusTest, ReturnCommitsTheTypedTextAndEscapeKeepsTheOldOne)
{
    CTextEdit* field = addField(CRect(10, 10, 90, 30), 0, "old");
    harness->pump();

    field->takeFocus();
    ASSERT_TRUE(field->isEditing());
    harness->pump();
    harness->input->type("7");
    harness->input->press(EditKey::Return);
    ASSERT_TRUE(harness->pumpUntil([&] { return !field->isEditing(); }));
    EXPECT_STREQ(field->getText(), "7") << "typing did not replace the selected text";
    EXPECT_TRUE(field->wasReturnPressed());
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(harness->view->getFocusView(), nullptr);

    field->takeFocus();
    ASSERT_TRUE(field->isEditing());
    harness->pump();
    harness->input->type("99");
    harness->input->press(EditKey::Escape);
    ASSERT_TRUE(harness->pumpUntil([&] { return !field->isEditing(); }));
    EXPECT_STREQ(field->getText(), "7");
    EXPECT_EQ(log.size(), 1u) << "Escape reported a change";
    EXPECT_EQ(harness->edits, (std::vector<int32_t>{1, -1, 1, -1}));
}

TEST_F(FrameFocusTest, TypingStopsAtTheLimitAndAllTypedCharactersComeBack)
{
    CTextEdit* field = addField(CRect(10, 10, 190, 30), 0, "");
    harness->pump();
    field->takeFocus();
    ASSERT_TRUE(field->isEditing());
    harness->pump();
    harness->input->type(std::string(260, '7').c_str());
    harness->input->press(EditKey::Return);
    ASSERT_TRUE(harness->pumpUntil([&] { return !field->isEditing(); }));
    EXPECT_EQ(std::strlen(field->getText()), 255u);
}

} // namespace

} // namespace tolvo
