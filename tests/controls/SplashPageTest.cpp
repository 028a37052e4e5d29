// The settings page's behaviour: opening from the logo, picking options by
// click and drag, the four buttons against the live words and the defaults
// file, and the page keeping every click to itself while open.
#include <gtest/gtest.h>

#include "tests/support/controls/SplashFixture.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr SettingsWords kFileWords = {1, 0, 1, 3, 2, 1, 1};
// Words a host's state block might have given the instance.
constexpr SettingsWords kHostWords = {0, 1, 0, 1, 1, 0, 1};

class SplashPageTest : public SplashFixture {};

TEST_F(SplashPageTest, ConstructionTakesTheSavedCopyFromTheFileAndRewritesIt)
{
    std::vector<unsigned char> bytes = bigEndianWords({kFileWords.begin(), kFileWords.end()});
    bytes.insert(bytes.end(), 12, 0xEE);
    writeBytes(preferences(), bytes);
    build();
    setLive(kHostWords);
    EXPECT_EQ(splash->getSavedSettings(), (SettingsStore::Words{1, 0, 1, 3, 2, 1, 1}));
    // Read and written back: the trailing bytes are gone.
    EXPECT_EQ(readBytes(preferences()), bigEndianWords({kFileWords.begin(), kFileWords.end()}));
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(splash->getViewSize(), kLogoRect);
}

TEST_F(SplashPageTest, OnlyALeftClickOnTheLogoOpensThePage)
{
    build();
    setLive(kHostWords);
    // A right click on the logo passes to what lies under it.
    click(CPoint(20, 90), kRButton);
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(splash->getViewSize(), kLogoRect);
    EXPECT_EQ(downsUnderneath(), 1);

    // One pixel past the logo's bottom-right corner the panel gets the click.
    click(CPoint(kLogoRect.right + 1, kLogoRect.bottom));
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(downsUnderneath(), 2);

    click(CPoint(kLogoRect.right, kLogoRect.bottom));
    EXPECT_TRUE(splash->isOpen());
    EXPECT_EQ(splash->getValue(), 1.0f);
    EXPECT_EQ(splash->getViewSize(), kEditorRect);
    EXPECT_EQ(splash->getMouseableArea(), kLogoRect);
    EXPECT_TRUE(frame->CView::isDirty()) << "the whole editor must be redrawn";
    EXPECT_EQ(splash->getSavedSettings(), liveWords());
    EXPECT_EQ(downsUnderneath(), 2);
    EXPECT_TRUE(listener.values.empty()) << "the page never notifies";
}

TEST_F(SplashPageTest, AClickPicksTheRowUnderThePointerInEveryGroup)
{
    build();
    openPage();
    for (int group = 0; group < 7; ++group) {
        if (group == 4)
            continue;
        SCOPED_TRACE(group);
        const CRect& area = kGroupRects[group];
        click(CPoint(area.right, area.top + 14));
        EXPECT_EQ(live().get(group), 1);
        click(CPoint(area.left, area.top + 13));
        EXPECT_EQ(live().get(group), 0);
        click(CPoint(area.left + 40, area.bottom));
        EXPECT_EQ(live().get(group), kOptionCounts[group] - 1);
        // Just outside the group, left and above: nothing changes.
        click(CPoint(area.left - 1, area.top + 2));
        click(CPoint(area.left + 2, area.top - 1));
        EXPECT_EQ(live().get(group), kOptionCounts[group] - 1);
    }
    EXPECT_EQ(downsUnderneath(), 0);
}

TEST_F(SplashPageTest, DraggingFollowsTheHeightOnlyAndStopsAtTheGroupsEnds)
{
    build();
    openPage();
    const CRect& ballistics = kGroupRects[3];
    const SettingsWords before = liveWords();
    press(CPoint(ballistics.left + 5, ballistics.top + 3));
    EXPECT_EQ(live().get(3), 0);
    // Far right and below, across the Trim Range group's column: BBC.
    frame->onMouseMoved(CPoint(240, ballistics.bottom + 60), kLButton);
    EXPECT_EQ(live().get(3), 3);
    frame->onMouseMoved(CPoint(-30, ballistics.top + 20), kLButton);
    EXPECT_EQ(live().get(3), 1);
    frame->onMouseMoved(CPoint(100, ballistics.top - 100), kLButton);
    EXPECT_EQ(live().get(3), 0);
    frame->onMouseMoved(CPoint(ballistics.left, 520), kLButton);
    release(CPoint(ballistics.left, 520));
    EXPECT_EQ(live().get(3), 3) << "BBC stays after the release";
    // Moves after the release pick nothing.
    frame->onMouseMoved(CPoint(ballistics.left, ballistics.top), 0);
    EXPECT_EQ(live().get(3), 3);
    SettingsWords expected = before;
    expected[3] = 3;
    EXPECT_EQ(liveWords(), expected) << "no other group followed the drag";
}

TEST_F(SplashPageTest, ThePanLawWordCannotBeChangedOnThePage)
{
    build();
    live().set(4, 1);
    openPage();
    const CRect& panLaw = kGroupRects[4];
    click(CPoint(panLaw.left, panLaw.top));
    click(CPoint(panLaw.right, panLaw.bottom));
    press(CPoint(panLaw.left + 5, panLaw.top + 30));
    frame->onMouseMoved(CPoint(panLaw.left + 5, panLaw.top), kLButton);
    release(CPoint(panLaw.left + 5, panLaw.top));
    EXPECT_EQ(live().get(4), 1);
    EXPECT_TRUE(splash->isOpen());
}

TEST_F(SplashPageTest, CloseRestoresAllSevenWordsIncludingThoseARevertChanged)
{
    writeBytes(preferences(), bigEndianWords({kFileWords.begin(), kFileWords.end()}));
    build();
    setLive(kHostWords);
    openPage();
    click(CPoint(kGroupRects[1].left, kGroupRects[1].bottom));
    click(kRevert);
    EXPECT_EQ(liveWords(), kFileWords);
    click(CPoint(kGroupRects[3].left, kGroupRects[3].top));
    click(CPoint(kGroupRects[6].left, kGroupRects[6].top));
    frame->setDirty(false);

    click(kClose);
    EXPECT_EQ(liveWords(), kHostWords);
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(splash->getViewSize(), kLogoRect);
    EXPECT_TRUE(frame->CView::isDirty());
    // Close and Apply leave the file alone.
    EXPECT_EQ(readBytes(preferences()), bigEndianWords({kFileWords.begin(), kFileWords.end()}));
}

TEST_F(SplashPageTest, ApplyAfterRevertKeepsTheFilesWordsLive)
{
    writeBytes(preferences(), bigEndianWords({kFileWords.begin(), kFileWords.end()}));
    build();
    setLive(kHostWords);
    openPage();
    click(kRevert);
    EXPECT_TRUE(splash->isOpen());
    frame->setDirty(false);
    click(kApply);
    EXPECT_EQ(liveWords(), kFileWords);
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(splash->getViewSize(), kLogoRect);
    EXPECT_TRUE(frame->CView::isDirty());
}

TEST_F(SplashPageTest, SaveWritesTheLiveWordsBigEndianEvenWhenCloseFollows)
{
    build();
    setLive(kHostWords);
    openPage();
    click(CPoint(kGroupRects[3].left, kGroupRects[3].top + 2 * 14)); // VU
    click(CPoint(kGroupRects[5].left, kGroupRects[5].bottom));       // Steady LED
    click(kSave);
    click(kClose);
    const std::vector<unsigned char> file = readBytes(preferences());
    ASSERT_EQ(file.size(), 28u);
    EXPECT_EQ(file, bigEndianWords({0, 1, 0, 2, 1, 1, 1}));
    EXPECT_EQ(std::vector<unsigned char>(file.begin() + 12, file.begin() + 16),
              (std::vector<unsigned char>{0, 0, 0, 2}));
    EXPECT_EQ(liveWords(), kHostWords);
}

TEST_F(SplashPageTest, WithoutTheFolderSaveAndRevertDoNothing)
{
    const std::filesystem::path missing = folder.path() / "Corvath" / "Tolvo.veskpref";
    build(missing);
    EXPECT_EQ(splash->getSavedSettings(), (SettingsStore::Words{0, 2, 2, 0, 0, 0, 0}));
    setLive(kHostWords);
    openPage();
    click(CPoint(kGroupRects[2].left, kGroupRects[2].bottom));
    click(kSave);
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
    SettingsWords changed = kHostWords;
    changed[2] = 2;
    click(kRevert);
    EXPECT_EQ(liveWords(), changed) << "a revert without a file keeps the words";
    click(kClose);
    EXPECT_EQ(liveWords(), kHostWords);
    EXPECT_FALSE(splash->isOpen());
}

TEST_F(SplashPageTest, TheOpenPageTakesEveryClickAndRightClicksChangeNothing)
{
    build();
    setLive(kHostWords);
    openPage();
    // Right clicks on a group, on Close and on Apply.
    click(CPoint(kGroupRects[3].left, kGroupRects[3].bottom), kRButton);
    click(kClose, kRButton);
    click(kApply, kRButton | kShift);
    EXPECT_TRUE(splash->isOpen());
    EXPECT_EQ(liveWords(), kHostWords);
    // Left clicks over no group and no button: the heading, the gap between
    // groups, the logo's own place, between Revert and Save, the maker's
    // block, and the row above Close beside Apply's top row.
    for (CPoint where : {CPoint(5, 5), CPoint(130, 110), CPoint(20, 90), CPoint(129, 328),
                         CPoint(130, 450), CPoint(70, 341), CPoint(264, 533)})
        click(where);
    EXPECT_TRUE(splash->isOpen());
    EXPECT_EQ(liveWords(), kHostWords);
    EXPECT_EQ(downsUnderneath(), 0) << "a click reached the panel under the page";

    click(kApply);
    click(CPoint(130, 450));
    EXPECT_EQ(downsUnderneath(), 1) << "the closed page still takes clicks off the panel";
}

TEST_F(SplashPageTest, GarbageWordsStayStoredUntilTheUserPicks)
{
    build();
    const SettingsWords garbage = {-7, 3, 1000, INT32_MIN, -1, 1000, INT32_MAX};
    setLive(garbage);
    openPage();
    EXPECT_EQ(splash->getSavedSettings(), garbage);
    click(CPoint(5, 5));
    EXPECT_EQ(liveWords(), garbage);
    click(CPoint(kGroupRects[3].left, kGroupRects[3].top));
    SettingsWords picked = garbage;
    picked[3] = 0;
    EXPECT_EQ(liveWords(), picked);
    click(kClose);
    EXPECT_EQ(liveWords(), garbage);
}

} // namespace

} // namespace tolvo
