// The window back buffer copies exactly the areas asked for, over shared
// memory with a local server and over the connection otherwise, and never
// lets a drawing reach the window before it is copied.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <cairo.h>
#include <memory>

#include "tools/tolvo-host/HostWindow.h"
#include "view/platform/x11/X11BackBuffer.h"
#include "view/platform/x11/X11Display.h"
#include "view/platform/x11/X11ErrorHandler.h"

namespace tolvo {

using namespace gui;

namespace {

// The host window's own background, where nothing was copied.
constexpr unsigned long kWindowColour = 0x000000;
constexpr int32_t kWidth = 120;
constexpr int32_t kHeight = 90;

// A shown host window, drawn on through a connection of the test's own.
class PlainWindow {
public:
    PlainWindow()
        : host(HostWindow::create(kWidth, kHeight, "back buffer test")), display(openX11Display())
    {
        if (!display || !host)
            return;
        X11ErrorHandler::attach(display);
        window = Window(reinterpret_cast<uintptr_t>(host->handle()));
    }

    ~PlainWindow()
    {
        if (!display)
            return;
        X11ErrorHandler::detach(display);
        XCloseDisplay(display);
    }

    // The window's pixel as 0xRRGGBB.
    unsigned long shown(int x, int y) const
    {
        XSync(display, False);
        XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return ~0ul;
        unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }

    std::unique_ptr<HostWindow> host;
    Display* display;
    Window window = None;
};

void fill(X11BackBuffer& buffer, double red, double green, double blue)
{
    cairo_t* cr = cairo_create(buffer.surface());
    cairo_set_source_rgb(cr, red, green, blue);
    cairo_paint(cr);
    cairo_destroy(cr);
}

class X11BackBufferTest : public ::testing::TestWithParam<X11BackBuffer::Transport> {
protected:
    void SetUp() override
    {
        ASSERT_NE(host.display, nullptr);
        ASSERT_NE(host.window, None);
        buffer =
            std::make_unique<X11BackBuffer>(host.display, host.window, kWidth, kHeight, GetParam());
    }

    void TearDown() override { buffer.reset(); }

    PlainWindow host;
    std::unique_ptr<X11BackBuffer> buffer;
};

TEST_P(X11BackBufferTest, TakesSharedMemoryOnlyWhenAskedAndOffered)
{
    const bool offered = XShmQueryExtension(host.display);
    EXPECT_EQ(buffer->usesSharedMemory(),
              offered && GetParam() == X11BackBuffer::kSharedMemoryWhenLocal);
}

TEST_P(X11BackBufferTest, CopiesOnlyTheGivenAreas)
{
    fill(*buffer, 1.0, 0.0, 0.0);
    buffer->copyToWindow({CRect(0, 0, 20, 10), CRect(100, 70, 120, 90)});
    EXPECT_EQ(host.shown(0, 0), 0xFF0000u);
    EXPECT_EQ(host.shown(19, 9), 0xFF0000u);
    EXPECT_EQ(host.shown(110, 80), 0xFF0000u);
    EXPECT_EQ(host.shown(20, 9), kWindowColour) << "right of the first area";
    EXPECT_EQ(host.shown(60, 40), kWindowColour) << "between the areas";
    EXPECT_EQ(host.shown(99, 89), kWindowColour) << "left of the second area";
}

TEST_P(X11BackBufferTest, DrawingAfterACopyWaitsUntilTheServerHasIt)
{
    for (int round = 0; round < 20; ++round) {
        fill(*buffer, 0.0, 1.0, 0.0);
        buffer->copyToWindow(CRect(0, 0, kWidth, kHeight));
        fill(*buffer, 0.0, 0.0, 1.0);
        ASSERT_EQ(host.shown(kWidth / 2, kHeight / 2), 0x00FF00u) << "round " << round;
    }
}

TEST_P(X11BackBufferTest, AreasOutsideTheImageAreCutOrSkipped)
{
    fill(*buffer, 1.0, 1.0, 0.0);
    buffer->copyToWindow({CRect(-10, -10, 5, 5), CRect(200, 200, 300, 300), CRect()});
    EXPECT_EQ(host.shown(0, 0), 0xFFFF00u);
    EXPECT_EQ(host.shown(5, 5), kWindowColour);
    fill(*buffer, 0.0, 0.0, 1.0);
    EXPECT_EQ(host.shown(0, 0), 0xFFFF00u);
}

TEST_P(X11BackBufferTest, ResizedImageCopiesItsWholeSize)
{
    buffer->resize(kWidth / 2, kHeight / 2);
    fill(*buffer, 1.0, 0.0, 1.0);
    buffer->copyToWindow(CRect(0, 0, kWidth, kHeight));
    EXPECT_EQ(host.shown(kWidth / 2 - 1, kHeight / 2 - 1), 0xFF00FFu);
    EXPECT_EQ(host.shown(kWidth / 2, kHeight / 2), kWindowColour);
}

INSTANTIATE_TEST_SUITE_P(Transports, X11BackBufferTest,
                         ::testing::Values(X11BackBuffer::kSharedMemoryWhenLocal,
                                           X11BackBuffer::kConnectionOnly));

} // namespace

} // namespace tolvo
