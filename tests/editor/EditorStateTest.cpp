// The editor's words of the saved state: the Pre and Fine switch values, kept
// while no window is open, restored into the next window, and never taken
// damaged from a block.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

#include "tests/support/editor/EditorHarness.h"

namespace tolvo {

namespace {

class EditorStateTest : public EditorHarness {};

TEST_F(EditorStateTest, AFreshInstanceSavesPreOffAndFineFromTheDefaultMode)
{
    const PlugChunk block = save();
    EXPECT_EQ(block.pre, 0.0f);
    EXPECT_EQ(block.fine, 0.0f);
}

TEST_F(EditorStateTest, RestoredValuesWaitForTheNextWindow)
{
    PlugChunk block = save();
    block.pre = 1.0f;
    block.fine = 1.0f;
    restore(block);
    EXPECT_EQ(save().pre, 1.0f) << "kept while no window is open";
    EXPECT_EQ(save().fine, 1.0f);
    open();
    EXPECT_EQ(switchOf(500)->getValue(), 1.0f);
    EXPECT_EQ(switchOf(501)->getValue(), 1.0f);
}

TEST_F(EditorStateTest, SwitchValuesSetInTheWindowSurviveClosing)
{
    open();
    // Clicks flip the switches and report them.
    switchOf(500)->onMouseDown(gui::CPoint(70, 455), gui::kLButton);
    switchOf(501)->onMouseDown(gui::CPoint(190, 415), gui::kLButton);
    EXPECT_EQ(save().pre, 1.0f);
    EXPECT_EQ(save().fine, 1.0f);
    editor->close();

    const PlugChunk closed = save();
    EXPECT_EQ(closed.pre, 1.0f);
    EXPECT_EQ(closed.fine, 1.0f);
    open();
    EXPECT_EQ(switchOf(500)->getValue(), 1.0f);
    EXPECT_EQ(switchOf(501)->getValue(), 1.0f);
    switchOf(500)->onMouseDown(gui::CPoint(70, 455), gui::kLButton);
    editor->close();
    EXPECT_EQ(save().pre, 0.0f);
    EXPECT_EQ(save().fine, 1.0f);
}

TEST_F(EditorStateTest, ARestoreMovesTheOpenWindowsSwitches)
{
    open();
    PlugChunk block = save();
    block.pre = 1.0f;
    restore(block);
    EXPECT_EQ(switchOf(500)->getValue(), 1.0f);
    // From another thread the switch moves at once as well.
    block.pre = 0.0f;
    block.fine = 1.0f;
    std::thread([&] { restore(block); }).join();
    EXPECT_EQ(switchOf(500)->getValue(), 0.0f);
    EXPECT_EQ(switchOf(501)->getValue(), 1.0f);
    EXPECT_EQ(save().fine, 1.0f);
}

TEST_F(EditorStateTest, DamagedSwitchWordsAreTakenAsValidValues)
{
    PlugChunk block = save();
    block.pre = std::numeric_limits<float>::quiet_NaN();
    block.fine = 7.0f;
    restore(block);
    EXPECT_EQ(save().pre, 0.0f);
    EXPECT_EQ(save().fine, 1.0f);
    block.pre = -3.0f;
    block.fine = std::numeric_limits<float>::infinity();
    restore(block);
    open();
    EXPECT_EQ(switchOf(500)->getValue(), 0.0f);
    EXPECT_EQ(switchOf(501)->getValue(), 0.0f);
    // A value inside 0..1 is kept as it is: any value but 0 shows on.
    block.pre = 0.3f;
    restore(block);
    EXPECT_FLOAT_EQ(save().pre, 0.3f);
}

} // namespace

} // namespace tolvo
