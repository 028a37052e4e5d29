// A host thread sets the values of fields and switches and marks them dirty
// as fast as it can, while the window thread idles the frame, draws every
// control, reads the texts and clicks. Run under ThreadSanitizer, nothing may
// be reported; in any build the last values set are the ones shown.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

#include "controls/CDIB.h"
#include "controls/StringValParameter.h"
#include "controls/nSwitch.h"
#include "controls/nText.h"
#include "editor/PlugEd.h"
#include "editor/PlugEdLayout.h"
#include "engine/Plug.h"
#include "view/CFrame.h"
#include "view/COffscreenContext.h"

namespace tolvo {

using namespace gui;

namespace {

class EngineStrings : public StringValParameter {
public:
    explicit EngineStrings(Plug& plug) : plug(plug) {}
    void getStringValue(int32_t tag, char* text) override { plug.getParameterDisplay(tag, text); }
    void setStringValue(int32_t tag, const char* text) override
    {
        plug.setParameterText(tag, text);
    }

private:
    Plug& plug;
};

constexpr long kMinimumDraws = 500;

// The host's level for round n: from far below the field's range to above
// full scale.
float levelOf(long round)
{
    return std::pow(10.0f, float(round % 140 - 120) / 20.0f);
}

} // namespace

TEST(TextStress, HostThreadSetsValuesWhileTheWindowThreadDraws)
{
    Plug plug(nullptr, PlugEd::create);
    EngineStrings strings(plug);
    CDIB* panel = new CDIB(editorLayout::kPanel);
    CDIB* largeDigits = new CDIB(editorLayout::kLargeDigits);
    CDIB* smallDigits = new CDIB(editorLayout::kSmallDigits);
    CFrame* frame = new CFrame(CRect(0, 0, 265, 534), nullptr, nullptr);
    auto* gain = new nText(CRect(110, 453, 167, 467), kParamGain, nullptr, largeDigits, panel,
                           &strings, true);
    auto* peak =
        new nText(CRect(179, 65, 212, 75), 504, nullptr, smallDigits, panel, &strings, false);
    auto* mute =
        new nSwitch(editorLayout::kMuteRect, nullptr, kParamMute, editorLayout::kMuteStrip, 0.0f);
    for (CView* view :
         {static_cast<CView*>(gain), static_cast<CView*>(peak), static_cast<CView*>(mute)})
        frame->addView(view);
    auto* screen = new COffscreenContext(frame, 265, 534);

    std::atomic<long> draws{0};
    std::atomic<long> rounds{0};
    std::atomic<float> lastGain{0.0f};
    std::thread host([&] {
        long round = 0;
        while (draws.load() < kMinimumDraws || round < 10 * kMinimumDraws) {
            const float value = float(round % 1000) / 999.0f;
            plug.setParameter(kParamGain, value);
            gain->setValue(value);
            gain->setDirty(true);
            peak->setValue(levelOf(round));
            peak->setDirty(true);
            mute->setValue(float(round % 2));
            mute->setLampDark(round % 3 == 0);
            lastGain.store(value);
            rounds.store(++round);
        }
    });

    char text[CParamDisplay::kTextSize];
    while (draws.load() < kMinimumDraws || rounds.load() < 10 * kMinimumDraws) {
        frame->idle();
        frame->drawRect(screen, CRect(0, 0, 265, 534));
        gain->getText(text);
        if (draws.load() % 50 == 0) {
            peak->onMouseDown(CPoint(190, 70), kLButton);
            frame->onMouseDown(CPoint(190, 380), kRButton);
        }
        draws.fetch_add(1);
    }
    host.join();

    // Nothing set from the host thread is lost: the texts formed now are
    // those of the last values.
    char expected[CParamDisplay::kTextSize] = "";
    plug.getParameterDisplay(kParamGain, expected);
    EXPECT_EQ(plug.getParameter(kParamGain), lastGain.load());
    EXPECT_STREQ(gain->getText(), expected);
    std::snprintf(expected, sizeof expected, "%6.2f",
                  20.0 * double(std::log10(levelOf(rounds.load() - 1))));
    EXPECT_STREQ(peak->getText(), expected);

    screen->forget();
    frame->forget();
    for (CDIB* image : {panel, largeDigits, smallDigits})
        image->forget();
}

} // namespace tolvo
