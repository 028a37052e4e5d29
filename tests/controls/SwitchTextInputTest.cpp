// Switches and value fields in a frame in a real window, driven by synthetic
// input through the window system; the Gain field talks to a real engine.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "controls/CDIB.h"
#include "controls/StringValParameter.h"
#include "controls/nSwitch.h"
#include "controls/nText.h"
#include "editor/PlugEd.h"
#include "editor/PlugEdLayout.h"
#include "engine/Plug.h"
#include "tests/support/view/FrameHarness.h"
#include "tests/support/view/ViewTestDoubles.h"

namespace tolvo {

using namespace gui;
using tolvo::FrameHarness;
using tolvo::MouseButton;

namespace {

// The engine's texts by tag, as the editor reaches them. A typed value also
// comes back to the fields with that tag, as the editor's parameter update
// pushes it.
class EngineStrings : public StringValParameter {
public:
    explicit EngineStrings(Plug& plug) : plug(plug) {}
    void getStringValue(int32_t tag, char* text) override { plug.getParameterDisplay(tag, text); }
    void setStringValue(int32_t tag, const char* text) override
    {
        typed.push_back(text);
        plug.setParameterText(tag, text);
        for (nText* field : fields)
            if (field->getTag() == tag) {
                field->setValue(plug.getParameter(tag));
                field->setDirty(true);
            }
    }

    std::vector<nText*> fields;
    std::vector<std::string> typed;

private:
    Plug& plug;
};

class SwitchTextInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<FrameHarness>();
        ASSERT_TRUE(harness->ready()) << "no window or no synthetic input";
        panel = new CDIB(editorLayout::kPanel);
        largeDigits = new CDIB(editorLayout::kLargeDigits);
        smallDigits = new CDIB(editorLayout::kSmallDigits);
        gainField = new nText(kGainRect, kParamGain, &changes, largeDigits, panel, &strings, true);
        readout = new nText(kReadoutRect, 504, &changes, smallDigits, panel, &strings, false);
        mute = new nSwitch(kMuteRect, &changes, kParamMute, editorLayout::kMuteStrip, 0.0f);
        strings.fields.push_back(gainField);
        for (CView* view : {static_cast<CView*>(gainField), static_cast<CView*>(readout),
                            static_cast<CView*>(mute)})
            harness->view->addView(view);
        harness->input->moveTo(kEmpty);
        harness->pump();
    }
    void TearDown() override
    {
        harness.reset();
        for (CDIB* image : {panel, largeDigits, smallDigits})
            if (image)
                image->forget();
    }

    void click(CPoint where, MouseButton button = MouseButton::Left)
    {
        harness->input->moveTo(where);
        harness->input->press(button);
        harness->input->release(button);
    }
    bool openGainEntry()
    {
        click(CPoint(40, 27));
        return harness->pumpUntil([&] { return gainField->isEditing(); });
    }

    static constexpr CPoint kEmpty{180, 140};
    const CRect kGainRect{20, 20, 77, 34};
    const CRect kReadoutRect{20, 60, 53, 70};
    const CRect kMuteRect{100, 20, 152, 39};

    Plug plug{nullptr, PlugEd::create};
    EngineStrings strings{plug};
    RecordingListener changes;
    std::unique_ptr<FrameHarness> harness;
    CDIB* panel = nullptr;
    CDIB* largeDigits = nullptr;
    CDIB* smallDigits = nullptr;
    nText* gainField = nullptr;
    nText* readout = nullptr;
    nSwitch* mute = nullptr;
};

} // namespace

TEST_F(SwitchTextInputTest, TypingSixAndReturnSetsTheGainAndShowsTheEnginesText)
{
    EXPECT_STREQ(gainField->getText(), "0");
    ASSERT_TRUE(openGainEntry());
    harness->pump();
    harness->input->type("6");
    harness->input->press(tolvo::EditKey::Return);
    ASSERT_TRUE(harness->pumpUntil([&] { return !gainField->isEditing(); }));
    EXPECT_EQ(strings.typed, (std::vector<std::string>{"6"}));
    EXPECT_NEAR(plug.getParameter(kParamGain), 0.6295f, 0.0001f);
    EXPECT_STREQ(gainField->getText(), "  6.00");
    EXPECT_EQ(changes.tags, (std::vector<int32_t>{kParamGain}));
    EXPECT_EQ(harness->edits, (std::vector<int32_t>{kParamGain + 1, -(kParamGain + 1)}));
}

TEST_F(SwitchTextInputTest, TypingAndClickingElsewhereRestoresTheTextAndChangesNothing)
{
    const float before = plug.getParameter(kParamGain);
    ASSERT_TRUE(openGainEntry());
    harness->pump();
    harness->input->type("6");
    harness->pump();
    click(kEmpty);
    ASSERT_TRUE(harness->pumpUntil([&] { return !gainField->isEditing(); }));
    EXPECT_STREQ(gainField->getText(), "0");
    EXPECT_EQ(plug.getParameter(kParamGain), before);
    EXPECT_TRUE(strings.typed.empty());
    EXPECT_TRUE(changes.tags.empty());
}

TEST_F(SwitchTextInputTest, ReturnWithoutAChangeCommitsNothing)
{
    ASSERT_TRUE(openGainEntry());
    harness->pump();
    harness->input->press(tolvo::EditKey::Return);
    ASSERT_TRUE(harness->pumpUntil([&] { return !gainField->isEditing(); }));
    EXPECT_TRUE(strings.typed.empty());
    EXPECT_TRUE(changes.tags.empty());
    EXPECT_STREQ(gainField->getText(), "0");
}

TEST_F(SwitchTextInputTest, ARightClickOnAReadoutNotifiesLikeALeftClick)
{
    readout->setValue(2.0f);
    click(CPoint(30, 65), MouseButton::Right);
    ASSERT_TRUE(harness->pumpUntil([&] { return changes.tags.size() == 1; }));
    click(CPoint(30, 65), MouseButton::Left);
    ASSERT_TRUE(harness->pumpUntil([&] { return changes.tags.size() == 2; }));
    EXPECT_EQ(changes.tags, (std::vector<int32_t>{504, 504}));
    EXPECT_EQ(readout->getValue(), 0.0f);
    EXPECT_FALSE(readout->isEditing());
}

TEST_F(SwitchTextInputTest, ADoubleClickFlipsTheSwitchTwiceAndARightClickFlipsIt)
{
    click(CPoint(120, 30));
    click(CPoint(121, 30));
    ASSERT_TRUE(harness->pumpUntil([&] { return changes.tags.size() == 2; }));
    EXPECT_EQ(mute->getValue(), 0.0f);
    click(CPoint(150, 37), MouseButton::Right);
    ASSERT_TRUE(harness->pumpUntil([&] { return changes.tags.size() == 3; }));
    EXPECT_EQ(mute->getValue(), 1.0f);
    EXPECT_EQ(harness->edits, (std::vector<int32_t>{4, -4, 4, -4, 4, -4}));
    harness->pump();
    EXPECT_FALSE(mute->isDirty()) << "the flipped switch was not redrawn";
}

} // namespace tolvo
