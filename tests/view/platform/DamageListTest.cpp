// Damaged areas of a window: far-apart areas stay apart, overlapping
// or near ones merge, nothing outside the window is kept, and the list never
// holds more than its limit while still covering every area added.
#include <gtest/gtest.h>

#include "view/platform/DamageList.h"

namespace tolvo {

using namespace gui;

namespace {

const CRect kWindow(0, 0, 265, 534);

bool covers(const std::vector<CRect>& areas, int32_t x, int32_t y)
{
    for (const CRect& area : areas) {
        if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
            return true;
    }
    return false;
}

TEST(DamageListTest, FarApartAreasStaySeparate)
{
    DamageList damage(kWindow);
    damage.add(CRect(10, 60, 40, 500));
    damage.add(CRect(180, 60, 215, 75));
    ASSERT_EQ(damage.getAreas().size(), 2u);
    EXPECT_EQ(damage.getAreas()[0], CRect(10, 60, 40, 500));
    EXPECT_EQ(damage.getAreas()[1], CRect(180, 60, 215, 75));
}

TEST(DamageListTest, OverlappingContainedAndAdjacentAreasMerge)
{
    DamageList damage(kWindow);
    damage.add(CRect(10, 10, 50, 50));
    damage.add(CRect(20, 20, 30, 30));
    ASSERT_EQ(damage.getAreas().size(), 1u);
    EXPECT_EQ(damage.getAreas()[0], CRect(10, 10, 50, 50)) << "contained";
    damage.add(CRect(40, 10, 90, 50));
    ASSERT_EQ(damage.getAreas().size(), 1u);
    EXPECT_EQ(damage.getAreas()[0], CRect(10, 10, 90, 50)) << "overlapping";
    damage.add(CRect(10, 50, 90, 60));
    ASSERT_EQ(damage.getAreas().size(), 1u);
    EXPECT_EQ(damage.getAreas()[0], CRect(10, 10, 90, 60)) << "touching edge";
}

TEST(DamageListTest, AGrownAreaTakesInTheOnesItNowReaches)
{
    DamageList damage(kWindow);
    damage.add(CRect(0, 0, 20, 20));
    damage.add(CRect(100, 0, 120, 20));
    ASSERT_EQ(damage.getAreas().size(), 2u);
    damage.add(CRect(0, 0, 120, 20));
    ASSERT_EQ(damage.getAreas().size(), 1u);
    EXPECT_EQ(damage.getAreas()[0], CRect(0, 0, 120, 20));
}

TEST(DamageListTest, AreasAreCutToTheWindowAndEmptyOnesIgnored)
{
    DamageList damage(kWindow);
    damage.add(CRect());
    damage.add(CRect(300, 0, 400, 10));
    damage.add(CRect(20, 20, 10, 30));
    EXPECT_TRUE(damage.isEmpty());
    damage.add(CRect(-5, -5, 10, 10));
    ASSERT_EQ(damage.getAreas().size(), 1u);
    EXPECT_EQ(damage.getAreas()[0], CRect(0, 0, 10, 10));
}

TEST(DamageListTest, ManyAreasStayWithinTheLimitAndAllAreCovered)
{
    DamageList damage(kWindow);
    std::vector<CRect> added;
    for (int32_t i = 0; i < 20; ++i) {
        CRect area((i % 4) * 60, (i / 4) * 100, (i % 4) * 60 + 10, (i / 4) * 100 + 10);
        added.push_back(area);
        damage.add(area);
        EXPECT_LE(damage.getAreas().size(), DamageList::kMaxAreas);
    }
    for (const CRect& area : added) {
        EXPECT_TRUE(covers(damage.getAreas(), area.left, area.top));
        EXPECT_TRUE(covers(damage.getAreas(), area.right - 1, area.bottom - 1));
    }
}

TEST(DamageListTest, TakingHandsOverTheAreasAndStartsOver)
{
    DamageList damage(kWindow);
    damage.add(CRect(1, 1, 5, 5));
    std::vector<CRect> taken{CRect(7, 7, 8, 8)};
    damage.takeInto(taken);
    EXPECT_EQ(taken, (std::vector<CRect>{CRect(1, 1, 5, 5)}));
    EXPECT_TRUE(damage.isEmpty());
}

TEST(DamageListTest, NewBoundsCutTheWaitingAreas)
{
    DamageList damage(kWindow);
    damage.add(CRect(0, 0, 100, 100));
    damage.add(CRect(200, 400, 260, 530));
    damage.setBounds(CRect(0, 0, 50, 50));
    EXPECT_EQ(damage.getAreas(), (std::vector<CRect>{CRect(0, 0, 50, 50)}));
}

} // namespace

} // namespace tolvo
