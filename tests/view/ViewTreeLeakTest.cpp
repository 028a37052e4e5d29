#include <gtest/gtest.h>

#include "tests/support/view/ViewTestDoubles.h"
#include "view/CParamDisplay.h"
#include "view/CTextEdit.h"

namespace tolvo {

using namespace gui;

namespace {

int liveViews = 0;

class CountedView : public CView {
public:
    explicit CountedView(const CRect& size) : CView(size) { ++liveViews; }
    ~CountedView() override { --liveViews; }
};

class CountedContainer : public CViewContainer {
public:
    CountedContainer(const CRect& size, CBitmap* background) : CViewContainer(size, background)
    {
        ++liveViews;
    }
    ~CountedContainer() override { --liveViews; }
};

// One of five kinds of view, all sharing the background bitmap.
CView* makeView(int kind, const CRect& rect, CBitmap* bitmap, CControlListener& listener, Log& log)
{
    switch (kind) {
    case 0:
        return new CountedView(rect);
    case 1:
        return new CParamDisplay(rect, bitmap);
    case 2:
        return new CTextEdit(rect, &listener, 2, "text", bitmap);
    case 3: {
        auto* inner = new CountedContainer(rect, bitmap);
        auto* leaf = new CountedView(CRect(0, 0, 5, 5));
        inner->addView(leaf);
        return inner;
    }
    default: {
        auto* control = new TestControl(rect, &listener, kind, log);
        control->setBackground(bitmap);
        return control;
    }
    }
}

} // namespace

TEST(ViewTreeLeak, SeveralHundredViewsAreAllReleasedWithTheFrame)
{
    Log log;
    RecordingListener listener(log);
    auto* picture = new COffscreenContext(nullptr, 10, 10);
    CBitmap* bitmap = picture->getBitmap();
    const int32_t bitmapReferences = bitmap->getNbReference();

    auto* frame = new RecordingFrame(CRect(0, 0, 400, 400));
    frame->setBackground(bitmap);
    for (int column = 0; column < 10; ++column) {
        auto* container =
            new CountedContainer(CRect(column * 40, 0, column * 40 + 40, 400), bitmap);
        for (int row = 0; row < 30; ++row) {
            CView* view =
                makeView(row % 5, CRect(0, row * 13, 40, row * 13 + 12), bitmap, listener, log);
            container->addView(view);
        }
        frame->addView(container);
    }
    EXPECT_EQ(liveViews, 10 + 10 * 18);
    EXPECT_EQ(bitmap->getNbReference(), bitmapReferences + 1 + 10 + 10 * 24);

    auto* first = static_cast<CViewContainer*>(frame->getView(0));
    CView* handedBack = first->getView(0);
    handedBack->remember();
    EXPECT_TRUE(first->removeView(handedBack, true));
    EXPECT_TRUE(first->removeView(first->getView(0), true));
    EXPECT_EQ(first->getNbViews(), 28);

    // A text field is open when the frame goes.
    frame->onMouseDown(CPoint(50, 30), kLButton);
    ASSERT_NE(frame->openEntry, nullptr);

    frame->forget();
    EXPECT_EQ(liveViews, 1);
    handedBack->forget();
    EXPECT_EQ(liveViews, 0);
    EXPECT_EQ(bitmap->getNbReference(), bitmapReferences);
    picture->forget();
}

} // namespace tolvo
