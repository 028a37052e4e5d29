// The editor's life: its rectangle, the twelve controls an open builds over
// the panel (order, classes, rectangles, first values), the images kept
// across close and open, and what a closed editor still answers.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "controls/CTBKFrame.h"
#include "tests/support/editor/EditorHarness.h"
#include "tests/support/engine/TempFolder.h"
#include "tests/support/engine/TestPreferencesPath.h"

namespace tolvo {

namespace {

using gui::CRect;

struct ExpectedControl {
    const char* className;
    int32_t tag;
    CRect rect;
};

// The table of the layout, written out independently of the editor's own.
const ExpectedControl kExpected[12] = {
    {"nFader", 0, {57, 48, 153, 449}},      {"nDial", 1, {180, 156, 211, 187}},
    {"nSwitch", 2, {179, 297, 231, 316}},   {"nSwitch", 3, {179, 371, 231, 390}},
    {"nSwitch", 4, {179, 334, 231, 353}},   {"nSwitch", 500, {58, 448, 96, 468}},
    {"nSwitch", 501, {179, 408, 231, 427}}, {"nText", 0, {109, 449, 168, 471}},
    {"nText", 1, {167, 190, 226, 212}},     {"nText", 504, {179, 65, 212, 75}},
    {"nText", 508, {179, 108, 212, 118}},   {"nSplash", 502, {7, 71, 46, 123}}};

bool isClass(gui::CView* view, const char* name)
{
    const std::string wanted = name;
    if (wanted == "nFader")
        return dynamic_cast<nFader*>(view);
    if (wanted == "nDial")
        return dynamic_cast<nDial*>(view);
    if (wanted == "nSwitch")
        return dynamic_cast<nSwitch*>(view);
    if (wanted == "nText")
        return dynamic_cast<nText*>(view);
    return dynamic_cast<nSplash*>(view);
}

class EditorLifecycleTest : public EditorHarness {
protected:
    std::vector<gui::CView*> children()
    {
        std::vector<gui::CView*> views;
        auto* frame = dynamic_cast<CTBKFrame*>(editor->getFrame());
        if (!frame)
            return views;
        for (auto entry = frame->getFirstViewEntry(); entry != frame->noViewEntry(); ++entry)
            views.push_back(*entry);
        return views;
    }

    void expectTheTable()
    {
        const std::vector<gui::CView*> views = children();
        ASSERT_EQ(views.size(), 12u);
        for (size_t i = 0; i < views.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(isClass(views[i], kExpected[i].className)) << kExpected[i].className;
            auto* control = dynamic_cast<gui::CControl*>(views[i]);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->getTag(), kExpected[i].tag);
            const CRect& size = views[i]->getViewSize();
            EXPECT_EQ(size.left, kExpected[i].rect.left);
            EXPECT_EQ(size.top, kExpected[i].rect.top);
            EXPECT_EQ(size.right, kExpected[i].rect.right);
            EXPECT_EQ(size.bottom, kExpected[i].rect.bottom);
        }
    }
};

TEST_F(EditorLifecycleTest, RectangleIsAnsweredBeforeAnyOpen)
{
    ERect* rect = nullptr;
    ASSERT_TRUE(editor->getRect(&rect));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 534);
    EXPECT_EQ(rect->right, 265);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(editor->getFrame(), nullptr);
}

TEST_F(EditorLifecycleTest, EveryOpenBuildsTheTwelveControlsOverImagesLoadedOnce)
{
    open();
    EXPECT_TRUE(editor->isOpen());
    expectTheTable();
    gui::CBitmap* panel = editor->getFrame()->getBackground();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->getWidth(), 265);
    EXPECT_EQ(panel->getHeight(), 534);
    // State given to the first window's controls must not reach the second's.
    switchOf(3)->setLampDark(true);

    editor->close();
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(editor->findControl(0), nullptr);

    open();
    expectTheTable();
    EXPECT_EQ(editor->getFrame()->getBackground(), panel) << "the panel was loaded again";
    EXPECT_FALSE(switchOf(3)->isLampDark());
}

TEST_F(EditorLifecycleTest, ASecondOpenWithoutACloseReplacesTheWindow)
{
    open();
    gui::CFrame* first = editor->getFrame();
    first->remember();
    open();
    EXPECT_NE(editor->getFrame(), first);
    EXPECT_EQ(first->getNbReference(), 1) << "the first window was not let go";
    first->forget();
    expectTheTable();
}

TEST_F(EditorLifecycleTest, ControlsStartFromTheParameters)
{
    plug->setParameter(0, 0.25f);
    plug->setParameter(1, 0.25f);
    plug->setParameter(2, 1.0f);
    plug->setParameter(4, 1.0f);
    open();
    EXPECT_FLOAT_EQ(fader()->getValue(), 0.25f);
    EXPECT_FLOAT_EQ(dial()->getAngle(), 90.0f);
    EXPECT_EQ(dial()->getCentre().x, 195);
    EXPECT_EQ(dial()->getCentre().y, 171);
    EXPECT_FLOAT_EQ(dial()->getResetValue(), 0.5f);
    EXPECT_EQ(switchOf(2)->getValue(), 1.0f);
    EXPECT_EQ(switchOf(3)->getValue(), 0.0f);
    EXPECT_EQ(switchOf(4)->getValue(), 1.0f);
    char display[64] = {};
    plug->getParameterDisplay(0, display);
    EXPECT_STREQ(field(0)->getText(), display);
    plug->getParameterDisplay(1, display);
    EXPECT_STREQ(field(1)->getText(), display);
    EXPECT_FALSE(splash()->isOpen());
}

TEST_F(EditorLifecycleTest, EntryFieldsAreDrawnLargerThanTheyAreClicked)
{
    open();
    nText* gain = field(0);
    const CRect& mouseArea = gain->getMouseableArea();
    EXPECT_EQ(mouseArea.left, 110);
    EXPECT_EQ(mouseArea.top, 453);
    EXPECT_EQ(mouseArea.right, 167);
    EXPECT_EQ(mouseArea.bottom, 467);
    EXPECT_EQ(gain->getViewSize().top, 449);
    EXPECT_FALSE(mouseArea.pointInside(gui::CPoint(112, 451)));
    EXPECT_TRUE(gain->getViewSize().pointInside(gui::CPoint(112, 451)));
    // The readouts keep their size.
    EXPECT_EQ(field(504)->getMouseableArea().top, field(504)->getViewSize().top);
}

class DefaultModeTest : public EditorLifecycleTest,
                        public ::testing::WithParamInterface<int32_t> {};

TEST_P(DefaultModeTest, FineSwitchAndFaderFollowTheDefaultMode)
{
    const int32_t mode = GetParam();
    TempFolder folder;
    const std::string path = (folder.path() / "Tolvo.veskpref").string();
    // Seven big-endian words: default mode, fine range ±6 dB, the rest 0.
    const unsigned char words[28] = {0, 0, 0, static_cast<unsigned char>(mode), 0, 0, 0, 0};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(words), sizeof words);
    usePreferencesFile(path);
    makeInstance();
    usePreferencesFile("");

    // A stray word from a damaged file reads as on, as the settings page shows it.
    const float fine = mode != 0 ? 1.0f : 0.0f;
    EXPECT_FLOAT_EQ(save().fine, fine) << "saved before any open";
    open();
    EXPECT_EQ(switchOf(501)->getValue(), fine);
    EXPECT_EQ(fader()->isFineMode(), mode != 0);
    if (mode != 0) {
        EXPECT_FLOAT_EQ(fader()->getFineRatio(), 2.0f) << "the fine range word";
    }
}

INSTANTIATE_TEST_SUITE_P(NormalFineAndStray, DefaultModeTest, ::testing::Values(0, 1, 7));

TEST_F(EditorLifecycleTest, KeysAndKnobModeNeedNoWindow)
{
    VstKeyCode tab{0, VKEY_TAB, 0};
    EXPECT_FALSE(editor->onKeyDown(tab));
    EXPECT_FALSE(editor->onKeyUp(tab));
    EXPECT_TRUE(editor->setKnobMode(2));
    EXPECT_EQ(editor->getKnobMode(), 2);
    editor->setKnobMode(0);
    open();
    EXPECT_TRUE(editor->onKeyDown(tab)) << "Tab moves into the Gain field";
}

TEST_F(EditorLifecycleTest, InstanceDestroyedWithItsWindowOpen)
{
    open();
    feed(0.5f);
    editor->idle();
    plug.reset();
    EXPECT_TRUE(host->processEvents());
}

} // namespace

} // namespace tolvo
