// How the editor keeps controls and engine in step: finding controls by tag,
// pushing parameter changes, the controls' reports, gestures, typed values,
// and the idle refresh of meters, holds, Pre, Fine and lamps.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>

#include "editor/LampFlash.h"
#include "tests/support/editor/EditorHarness.h"

namespace tolvo {

namespace {

using namespace std::chrono_literals;

class EditorSyncTest : public EditorHarness {};

TEST_F(EditorSyncTest, FindControlWalksTheFrameInOrder)
{
    EXPECT_EQ(editor->findControl(0), nullptr) << "no window";
    EXPECT_FLOAT_EQ(editor->getControlValue(4), -1.0f);
    open();
    gui::CControl* first = editor->findControl(0);
    EXPECT_NE(dynamic_cast<nFader*>(first), nullptr);
    gui::CControl* second = editor->findControl(0, first);
    EXPECT_NE(dynamic_cast<nText*>(second), nullptr);
    EXPECT_EQ(editor->findControl(0, second), nullptr);
    EXPECT_EQ(editor->findControl(505), nullptr);
    EXPECT_EQ(editor->findControl(509), nullptr);
    // A control that is not in the frame ends the walk.
    nSwitch stranger(gui::CRect(0, 0, 52, 19), nullptr, 0, 111, 0.0f);
    EXPECT_EQ(editor->findControl(0, &stranger), nullptr);
    EXPECT_FLOAT_EQ(editor->getControlValue(505), -1.0f);
}

TEST_F(EditorSyncTest, ParameterChangesReachEveryControlWithTheTag)
{
    open();
    plug->setParameter(0, 0.25f);
    EXPECT_FLOAT_EQ(fader()->getValue(), 0.25f);
    char display[64] = {};
    plug->getParameterDisplay(0, display);
    EXPECT_STREQ(field(0)->getText(), display);
    plug->setParameter(1, 0.75f);
    EXPECT_FLOAT_EQ(dial()->getAngle(), 270.0f);
    plug->setParameter(3, 1.0f);
    EXPECT_FLOAT_EQ(editor->getControlValue(3), 1.0f);
    editor->setParameter(505, 0.5f);
    editor->setParameter(77, 0.5f);
    EXPECT_FLOAT_EQ(editor->getControlValue(504), 0.0f);
}

TEST_F(EditorSyncTest, AnotherThreadSetsSwitchesAtOnceAndTheRestAtTheNextIdle)
{
    open();
    std::thread audio([&] {
        plug->setParameter(4, 1.0f);
        EXPECT_FLOAT_EQ(editor->getControlValue(4), 1.0f) << "the Bypass switch at once";
        plug->setParameter(0, 0.25f);
    });
    audio.join();
    EXPECT_FLOAT_EQ(switchOf(4)->getValue(), 1.0f);
    EXPECT_TRUE(switchOf(4)->isDirty());
    EXPECT_FLOAT_EQ(fader()->getValue(), 0.5f) << "the fader is the window thread's";
    editor->idle();
    EXPECT_FLOAT_EQ(fader()->getValue(), 0.25f);
    char display[64] = {};
    plug->getParameterDisplay(0, display);
    EXPECT_STREQ(field(0)->getText(), display);
}

TEST_F(EditorSyncTest, ControlReportsAutomateParametersOnly)
{
    open();
    fader()->setValue(0.75f);
    editor->valueChanged(fader());
    std::vector<HostMessage> automated = messagesWith(audioMasterAutomate);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0].index, 0);
    EXPECT_FLOAT_EQ(automated[0].value, 0.75f);
    EXPECT_FLOAT_EQ(plug->getParameter(0), 0.75f);

    switchOf(500)->setValue(1.0f);
    editor->valueChanged(switchOf(500));
    editor->valueChanged(splash());
    EXPECT_TRUE(messagesWith(audioMasterAutomate).empty());
    EXPECT_EQ(editor->controlModifierClicked(fader(), gui::kRButton | gui::kControl), 0);
}

TEST_F(EditorSyncTest, GesturesOfEveryTagReachTheHost)
{
    open();
    for (int32_t tag : {0, 500, 501}) {
        editor->getFrame()->beginEdit(tag);
        editor->getFrame()->endEdit(tag);
    }
    const std::vector<HostMessage> messages = HostMessages::take();
    const int32_t tags[] = {0, 500, 501};
    ASSERT_EQ(messages.size(), 6u);
    for (size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(messages[i].opcode, i % 2 ? audioMasterEndEdit : audioMasterBeginEdit);
        EXPECT_EQ(messages[i].index, tags[i / 2]);
    }
}

TEST_F(EditorSyncTest, TypedTextSetsTheParameter)
{
    open();
    editor->setStringValue(0, "6");
    EXPECT_NEAR(plug->getParameter(0), 0.6295f, 0.0001f);
    EXPECT_STREQ(field(0)->getText(), "  6.00");
    char text[256] = {};
    editor->getStringValue(1, text);
    EXPECT_STREQ(text, field(1)->getText());
}

// The peak meters fall back slowly and the gain glides to a new value, so
// each level is played long enough to settle first.
constexpr int kSettle = 88200;

TEST_F(EditorSyncTest, ReadoutsHoldTheMaximaUntilClicked)
{
    open();
    feed(1.0f);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), "  0.00");
    feed(0.5f, kSettle);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), "  0.00") << "a lower peak keeps the held one";

    field(508)->onMouseDown(gui::CPoint(190, 110), gui::kRButton);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), "-");
    EXPECT_STREQ(field(508)->getText(), "-");
    feed(0.5f);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), " -6.02");
    EXPECT_STREQ(field(508)->getText(), " -6.02");
}

TEST_F(EditorSyncTest, PreSwitchChoosesThePreFaderHolds)
{
    plug->setParameter(0, 0.31498f); // a gain of 0.25, -12.04 dB
    feed(0.0f, kSettle);
    open();
    feed(1.0f);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), "-12.04");
    switchOf(500)->setValue(1.0f);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), "  0.00");
}

TEST_F(EditorSyncTest, AnOpenSettingsPageLeavesTheMetersAccumulating)
{
    open();
    const std::string before = field(504)->getText();
    splash()->setValue(1.0f);
    feed(1.0f);
    editor->idle();
    feed(0.0f);
    editor->idle();
    EXPECT_EQ(field(504)->getText(), before);
    splash()->setValue(0.0f);
    editor->idle();
    EXPECT_STREQ(field(504)->getText(), "  0.00");
}

TEST_F(EditorSyncTest, FineModeFollowsTheSwitchOnlyWhileTheGainIsAboveZero)
{
    open();
    switchOf(501)->setValue(1.0f);
    plug->setParameter(0, 0.0f);
    editor->idle();
    EXPECT_FALSE(fader()->isFineMode());
    plug->setParameter(0, 0.5f);
    editor->idle();
    EXPECT_TRUE(fader()->isFineMode());
    plug->getSettings()->set(kSettingFineRange, 1);
    editor->idle();
    EXPECT_FLOAT_EQ(fader()->getFineRatio(), 4.0f);
    // A damaged word is taken as a choice, never used as an index.
    plug->getSettings()->set(kSettingFineRange, -7);
    editor->idle();
    EXPECT_FLOAT_EQ(fader()->getFineRatio(), 2.0f);
    switchOf(501)->setValue(0.0f);
    editor->idle();
    EXPECT_FALSE(fader()->isFineMode());
}

TEST(LampFlash, PhaseIsDueAfterMoreThan300MillisecondsAcrossTheWrap)
{
    EXPECT_FALSE(lampFlash::phaseIsDue(1300, 1000));
    EXPECT_TRUE(lampFlash::phaseIsDue(1301, 1000));
    EXPECT_FALSE(lampFlash::phaseIsDue(44, 0xFFFFFFF0u)) << "60 ms across the wrap";
    EXPECT_TRUE(lampFlash::phaseIsDue(400, 0xFFFFFFF0u));
}

TEST_F(EditorSyncTest, MuteLampFlashesWhileBypassStaysSteady)
{
    plug->getSettings()->set(kSettingBypassLamp, 1);
    plug->setParameter(3, 1.0f);
    plug->setParameter(4, 1.0f);
    open();
    int muteChanges = 0;
    bool muteWasDark = switchOf(3)->isLampDark();
    const auto end = std::chrono::steady_clock::now() + 1400ms;
    while (std::chrono::steady_clock::now() < end) {
        editor->idle();
        EXPECT_FALSE(switchOf(4)->isLampDark());
        if (switchOf(3)->isLampDark() != muteWasDark) {
            muteWasDark = !muteWasDark;
            ++muteChanges;
        }
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_GE(muteChanges, 3);
    EXPECT_LE(muteChanges, 5);

    // No flashing while the page is open.
    splash()->setValue(1.0f);
    const bool frozen = switchOf(3)->isLampDark();
    for (int i = 0; i < 20; ++i) {
        editor->idle();
        EXPECT_EQ(switchOf(3)->isLampDark(), frozen);
        std::this_thread::sleep_for(20ms);
    }
}

} // namespace

} // namespace tolvo
