// The settings page in a real window with synthetic input through the window
// system: the logo lights under the pointer, a click opens the page over the
// whole editor, the page keeps clicks from the panel beneath, and Close puts
// the words back and shows the panel again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/controls/SplashFixture.h"
#include "tests/support/view/FrameHarness.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr CPoint kOverPanel{130, 450};
constexpr CColor kPanelColor{255, 255, 255, 255};
constexpr int kTolerance = 2;

class SplashWindowTest : public SettingsPageFixture {
protected:
    void SetUp() override
    {
        harness = std::make_unique<FrameHarness>(kEditorRect);
        ASSERT_TRUE(harness->ready()) << "no window or no synthetic input";
        buildPage(*harness->view, preferences(), kPanelColor);
        harness->input->moveTo(CPoint(150, 300));
        idle(300);
        log.clear();
    }

    void TearDown() override
    {
        harness.reset();
        SettingsPageFixture::TearDown();
    }

    // Host idle calls as the editor makes them: the page refreshed each time.
    void idle(int milliseconds)
    {
        for (int elapsed = 0; elapsed < milliseconds; elapsed += 20) {
            splash->refresh();
            harness->pump(20);
        }
    }

    void click(CPoint where)
    {
        harness->input->moveTo(where);
        harness->input->press(MouseButton::Left);
        harness->input->release(MouseButton::Left);
        idle(200);
    }

    // Channels of the window's pixels inside the area that differ from the
    // image's pixels starting at imageOrigin.
    int mismatches(const CDIB& image, CPoint imageOrigin, const CRect& area)
    {
        int32_t width = 0, height = 0;
        const std::vector<uint8_t> shown = harness->host->capturePixels(width, height);
        if (width < area.right || height < area.bottom)
            return -1;
        int count = 0;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            for (int32_t x = area.left; x < area.right; ++x) {
                const uint8_t* a = &shown[(size_t(y) * size_t(width) + size_t(x)) * 4];
                const uint8_t* b = image.getPixels() +
                                   size_t(y - area.top + imageOrigin.y) * image.getRowBytes() +
                                   size_t(x - area.left + imageOrigin.x) * 4;
                for (int channel = 0; channel < 3; ++channel)
                    count += std::abs(a[channel] - b[channel]) > kTolerance ? 1 : 0;
            }
        }
        return count;
    }

    std::unique_ptr<FrameHarness> harness;
};

TEST_F(SplashWindowTest, TheLogoLightsWhileThePointerIsOverIt)
{
    CDIB logo(editorLayout::kLogo);
    EXPECT_EQ(mismatches(logo, CPoint(0, 0), kLogoRect), 0)
        << "unlit with the pointer over the panel";
    harness->input->moveTo(CPoint(kLogoRect.left + 12, kLogoRect.top + 20));
    idle(300);
    EXPECT_EQ(mismatches(logo, CPoint(kLogoRect.width(), 0), kLogoRect), 0)
        << "lit under the pointer";
    harness->input->moveTo(CPoint(150, 300));
    idle(300);
    EXPECT_EQ(mismatches(logo, CPoint(0, 0), kLogoRect), 0) << "unlit again";
}

TEST_F(SplashWindowTest, TheOpenPageCoversTheEditorAndKeepsItsClicks)
{
    const SettingsWords before = (*plug)->getSettings()->snapshot();
    click(CPoint(kLogoRect.left + 12, kLogoRect.top + 20));
    ASSERT_TRUE(splash->isOpen());
    EXPECT_EQ(downsUnderneath(), 0);
    // The page image everywhere above the option groups' rows.
    CDIB page(editorLayout::kSettingsPage);
    EXPECT_EQ(mismatches(page, CPoint(0, 0), CRect(0, 0, 265, 57)), 0);
    EXPECT_EQ(mismatches(page, CPoint(0, 306), CRect(0, 306, 265, 534)), 0);

    click(kOverPanel);
    click(CPoint(kGroupRects[3].left + 20, kGroupRects[3].top + 2 * 14 + 5));
    EXPECT_EQ((*plug)->getSettings()->get(3), 2) << "VU picked through the window";
    EXPECT_EQ(downsUnderneath(), 0) << "a click reached the panel under the page";

    click(kClose);
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ((*plug)->getSettings()->snapshot(), before);
    // The panel is shown again where the page was.
    int32_t width = 0, height = 0;
    const std::vector<uint8_t> shown = harness->host->capturePixels(width, height);
    ASSERT_GT(width, kOverPanel.x);
    const uint8_t* pixel =
        &shown[(size_t(kOverPanel.y) * size_t(width) + size_t(kOverPanel.x)) * 4];
    EXPECT_EQ(pixel[0], kPanelColor.blue);
    EXPECT_EQ(pixel[1], kPanelColor.green);
    click(kOverPanel);
    EXPECT_EQ(downsUnderneath(), 1);
}

} // namespace

} // namespace tolvo
