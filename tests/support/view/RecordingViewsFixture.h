// A frame in a real window with synthetic input, holding recording views that
// write their events into one log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/view/FrameHarness.h"
#include "tests/support/view/RecordingView.h"

namespace tolvo {

class RecordingViewsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = std::make_unique<FrameHarness>();
        ASSERT_TRUE(harness->ready()) << "no window or no synthetic input";
    }

    RecordingView* addRecordingView(const gui::CRect& size, std::string name,
                                    gui::CColor color = gui::kWhiteCColor)
    {
        auto* view = new RecordingView(size, std::move(name), log, color);
        harness->view->addView(view);
        return view;
    }

    std::vector<ViewEvent> log;
    std::unique_ptr<FrameHarness> harness;
};

} // namespace tolvo
