// The editor scale as the Windows window host gathers it: the host's scale
// over TOLVO_SCALE over the screen's resolution, which the test run leaves
// at 96 dpi, on a screen tall enough for 3×.
#include <gtest/gtest.h>

#include <windows.h>

#include "view/PlatformWindow.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr int32_t kEditorHeight = 534;
constexpr int kScreenDpi = 96;

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class Win32WindowScaleTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(screenDpi(), kScreenDpi) << "the test run's screen resolution";
        ASSERT_GE(GetSystemMetrics(SM_CYSCREEN) * 9 / 10, kEditorHeight * 3)
            << "a screen tall enough for 3x";
    }
    void TearDown() override { SetEnvironmentVariableA("TOLVO_SCALE", nullptr); }
};

} // namespace

TEST_F(Win32WindowScaleTest, TheUserSettingOverTheScreen)
{
    EXPECT_EQ(PlatformWindow::chooseScale(kEditorHeight, 0.0), 1) << "96 dpi";
    for (const char* setting : {"1", "2", "3"}) {
        SetEnvironmentVariableA("TOLVO_SCALE", setting);
        EXPECT_EQ(PlatformWindow::chooseScale(kEditorHeight, 0.0), setting[0] - '0');
    }
    for (const char* unusable : {"0", "4", "2x", "", "-2", "222222222222"}) {
        SetEnvironmentVariableA("TOLVO_SCALE", unusable);
        EXPECT_EQ(PlatformWindow::chooseScale(kEditorHeight, 0.0), 1)
            << "'" << unusable << "' leaves it to the screen";
    }
}

TEST_F(Win32WindowScaleTest, TheHostsScaleOverTheUserSetting)
{
    SetEnvironmentVariableA("TOLVO_SCALE", "1");
    EXPECT_EQ(PlatformWindow::chooseScale(kEditorHeight, 2.0), 2);
    EXPECT_EQ(PlatformWindow::chooseScale(kEditorHeight, 2.5), 3);
}

TEST_F(Win32WindowScaleTest, TheScreenHeightStepsTheScaleDown)
{
    SetEnvironmentVariableA("TOLVO_SCALE", "3");
    const int32_t tooTallAtThree = GetSystemMetrics(SM_CYSCREEN) / 3;
    EXPECT_EQ(PlatformWindow::chooseScale(tooTallAtThree, 0.0), 2);
    EXPECT_EQ(PlatformWindow::chooseScale(GetSystemMetrics(SM_CYSCREEN), 0.0), 1);
}

} // namespace tolvo
