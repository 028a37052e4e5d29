// The editor as a host and its user meet it: synthetic mouse input on the
// window, the host callbacks it causes, the pixels it shows and the state
// blocks it contributes to.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/editor/HostedEditor.h"

namespace tolvo {

namespace {

// The middle of the fader cap at 0 dB: cap top 144 rows below the control's
// top, 29 rows to the cap's middle; the cap starts 64 pixels into the control.
const gui::CPoint kCapAtZeroDecibels(57 + 64 + 18, 48 + 144 + 29);

class EditorThroughHostTest : public HostedEditor {
protected:
    // The distinct pictures of an area over about 1.4 s, in order.
    std::vector<Picture> changesOf(const gui::CRect& area)
    {
        std::vector<Picture> seen;
        for (int sample = 0; sample < 14; ++sample) {
            pump(100);
            Picture now = picture(area);
            if (seen.empty() || seen.back() != now)
                seen.push_back(now);
        }
        return seen;
    }
};

TEST_F(EditorThroughHostTest, FaderDragIsOneGestureOfAutomatedGainSteps)
{
    openEditor();
    const Picture fieldAtZero = picture(kGainField);
    HostLog::instance().clear();

    input->moveTo(kCapAtZeroDecibels);
    pump(40);
    input->press(MouseButton::Left);
    pump(40);
    for (int step = 1; step <= 8; ++step) {
        input->moveTo({kCapAtZeroDecibels.x, kCapAtZeroDecibels.y - 5 * step});
        pump(30);
    }
    input->release(MouseButton::Left);
    pump();

    const std::vector<HostCall> all = HostLog::instance().calls();
    std::vector<HostCall> gesture;
    std::copy_if(all.begin(), all.end(), std::back_inserter(gesture), [](const HostCall& call) {
        return call.opcode == audioMasterBeginEdit || call.opcode == audioMasterEndEdit ||
               call.opcode == audioMasterAutomate;
    });
    ASSERT_GE(gesture.size(), 4u);
    EXPECT_EQ(gesture.front().opcode, audioMasterBeginEdit);
    EXPECT_EQ(gesture.back().opcode, audioMasterEndEdit);
    float previous = 0.5f;
    for (size_t i = 0; i < gesture.size(); ++i) {
        EXPECT_EQ(gesture[i].index, 0) << "call " << i;
        if (i == 0 || i + 1 == gesture.size())
            continue;
        EXPECT_EQ(gesture[i].opcode, audioMasterAutomate) << "call " << i;
        EXPECT_GT(gesture[i].opt, previous) << "moving up raises the gain";
        previous = gesture[i].opt;
    }
    // 40 pixels of 352 in position, more than 2 dB up from 0 dB.
    const float dragged = plugin->getParameter(0);
    EXPECT_FLOAT_EQ(dragged, gesture[gesture.size() - 2].opt);
    EXPECT_GT(dragged, 0.55f);

    // The Gain field shows the text of the dragged value: the same picture
    // as after the host sets that value itself.
    const Picture fieldDragged = picture(kGainField);
    EXPECT_NE(fieldDragged, fieldAtZero);
    plugin->setParameter(0, 0.5f);
    pump();
    EXPECT_EQ(picture(kGainField), fieldAtZero);
    plugin->setParameter(0, dragged);
    pump();
    EXPECT_EQ(picture(kGainField), fieldDragged);
}

TEST_F(EditorThroughHostTest, PreClickIsAGestureWithoutAutomationAndSwitchesTheReadouts)
{
    // Fader at -6 dB: the post-fader peak lies 6 dB below the pre-fader one.
    plugin->setParameter(0, 0.3969f);
    openEditor();
    play(0.5f);
    pump();
    const Picture postFader = picture(kPeakReadout);
    HostLog::instance().clear();

    click(kPreCentre);
    const auto begins = calls(audioMasterBeginEdit);
    const auto ends = calls(audioMasterEndEdit);
    ASSERT_EQ(begins.size(), 1u);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(begins[0].index, 500);
    EXPECT_EQ(ends[0].index, 500);
    EXPECT_TRUE(calls(audioMasterAutomate).empty());
    EXPECT_FLOAT_EQ(floatAt(saveState(), kPreOffset), 1.0f);

    const Picture preFader = picture(kPeakReadout);
    EXPECT_NE(preFader, postFader);
    click(kPreCentre);
    EXPECT_EQ(picture(kPeakReadout), postFader) << "the held values stayed apart";
}

TEST_F(EditorThroughHostTest, ReadoutClickClearsTheHeldMaxima)
{
    openEditor();
    const Picture empty = picture(kPeakReadout);
    play(1.0f);
    pump();
    const Picture fullScale = picture(kPeakReadout);
    EXPECT_NE(fullScale, empty);
    play(0.1f);
    pump();
    EXPECT_EQ(picture(kPeakReadout), fullScale) << "a lower peak does not replace the held one";

    click({195, 112}, MouseButton::Right);
    EXPECT_EQ(picture(kPeakReadout), empty);
    play(0.1f);
    pump();
    const Picture quieter = picture(kPeakReadout);
    EXPECT_NE(quieter, empty);
    EXPECT_NE(quieter, fullScale);
}

TEST_F(EditorThroughHostTest, PeakDuringAnOpenSettingsPageShowsAfterItCloses)
{
    openEditor();
    const Picture empty = picture(kPeakReadout);
    click(kLogoCentre);
    play(1.0f);
    pump();
    play(0.0f);
    pump();
    click(kApplyButton);
    pump();
    EXPECT_NE(picture(kPeakReadout), empty);
}

TEST_F(EditorThroughHostTest, FieldClicksCountOnlyInsideTheCreatedRectangle)
{
    openEditor();
    HostLog::instance().clear();
    // Inside the grown view size, above the field's rectangle.
    click({112, 451});
    EXPECT_TRUE(calls(audioMasterBeginEdit).empty());
    click({112, 455});
    const auto begins = calls(audioMasterBeginEdit);
    ASSERT_EQ(begins.size(), 1u);
    EXPECT_EQ(begins[0].index, 0);
}

TEST_F(EditorThroughHostTest, HostSwitchChangeIsDrawnAtTheNextIdle)
{
    std::vector<uint8_t> block = saveState();
    setWord(block, kBypassLampOffset, 1);
    ASSERT_TRUE(restoreState(block));
    openEditor();
    const Picture off = picture(kBypassLamp);
    plugin->setParameter(4, 1.0f);
    plugin->dispatch(effEditIdle);
    host->processEvents();
    pump(60);
    const Picture on = picture(kBypassLamp);
    EXPECT_NE(on, off);
    pump(700);
    EXPECT_EQ(picture(kBypassLamp), on) << "a steady lamp stays lit";
}

TEST_F(EditorThroughHostTest, MuteLampFlashesUnlessSteady)
{
    plugin->setParameter(3, 1.0f);
    openEditor();
    const std::vector<Picture> flashing = changesOf(kMuteLamp);
    // Phases of a little over 300 ms: at least three changes in 1.4 s.
    EXPECT_GE(flashing.size(), 4u);
    for (size_t i = 2; i < flashing.size(); ++i)
        EXPECT_EQ(flashing[i], flashing[i - 2]) << "the lamp alternates between two pictures";

    std::vector<uint8_t> block = saveState();
    setWord(block, kMuteLampOffset, 1);
    ASSERT_TRUE(restoreState(block));
    pump(400);
    EXPECT_EQ(changesOf(kMuteLamp).size(), 1u) << "a steady lamp does not change";
}

TEST_F(EditorThroughHostTest, PreAndFineSurviveClosingAndASaveWithTheWindowClosed)
{
    // A fresh instance: Pre off, Fine from the default mode (Normal here).
    std::vector<uint8_t> fresh = saveState();
    EXPECT_EQ(floatAt(fresh, kPreOffset), 0.0f);
    EXPECT_EQ(floatAt(fresh, kFineOffset), 0.0f);

    openEditor();
    const Picture preOff = picture(kPreButton), fineOff = picture(kFineButton);
    click(kPreCentre);
    click(kFineCentre);
    const Picture preOn = picture(kPreButton), fineOn = picture(kFineButton);
    EXPECT_NE(preOn, preOff);
    EXPECT_NE(fineOn, fineOff);
    closeEditor();

    std::vector<uint8_t> closed = saveState();
    EXPECT_EQ(floatAt(closed, kPreOffset), 1.0f);
    EXPECT_EQ(floatAt(closed, kFineOffset), 1.0f);
    openEditor();
    EXPECT_EQ(picture(kPreButton), preOn);
    EXPECT_EQ(picture(kFineButton), fineOn);
    closeEditor();

    // A state restored while the window is closed opens with its values.
    ASSERT_TRUE(restoreState(fresh));
    EXPECT_EQ(floatAt(saveState(), kPreOffset), 0.0f);
    openEditor();
    EXPECT_EQ(picture(kPreButton), preOff);
    EXPECT_EQ(picture(kFineButton), fineOff);
    closeEditor();
    ASSERT_TRUE(restoreState(closed));
    openEditor();
    EXPECT_EQ(picture(kPreButton), preOn);
    EXPECT_EQ(picture(kFineButton), fineOn);
}

TEST_F(EditorThroughHostTest, InstanceClosedWithItsEditorOpenLeavesNoWindow)
{
    openEditor();
    click(kMuteCentre);
    plugin->close();
    plugin.reset();
    EXPECT_TRUE(host->processEvents());
}

} // namespace

} // namespace tolvo
