// Time per full draw of the fader (meter lit to 0 dB, RMS line, both hold
// markers, cap) and of the dial, into an offscreen of the editor's size:
// composing the picture, committing it and drawing it.
#include <benchmark/benchmark.h>

#include "controls/CDIB.h"
#include "controls/nDial.h"
#include "controls/nFader.h"
#include "view/COffscreenContext.h"

namespace tolvo {
namespace {

constexpr int32_t kPanelId = 123;
constexpr int32_t kSmallDigitsId = 119;
constexpr int32_t kEditorWidth = 265;
constexpr int32_t kEditorHeight = 534;

struct EditorImages {
    EditorImages() : panel(new CDIB(kPanelId)), smallDigits(new CDIB(kSmallDigitsId)) {}
    ~EditorImages()
    {
        panel->forget();
        smallDigits->forget();
    }
    CDIB* panel;
    CDIB* smallDigits;
};

void faderDraw(benchmark::State& state)
{
    EditorImages images;
    auto* fader =
        new nFader(gui::CRect(57, 48, 153, 449), 0, nullptr, 112, 114, 124, images.smallDigits, images.panel, 0.5f);
    // 0 dB on the bar, -6 dB RMS; the holds a little above.
    const double meters[8] = {1.0, 0.0, 1.0, 0.0, 0.5, 0.0, 0.5, 0.0};
    const double holds[4] = {1.2, 0.0, 0.6, 0.0};
    fader->setMeterLevels(meters, true);
    fader->setHoldLevels(holds);
    auto* context = new gui::COffscreenContext(nullptr, kEditorWidth, kEditorHeight);
    for (auto _ : state) {
        fader->draw(context);
        benchmark::ClobberMemory();
    }
    context->forget();
    fader->forget();
}

void dialDraw(benchmark::State& state)
{
    EditorImages images;
    auto* dial = new nDial(gui::CRect(180, 156, 211, 187), nullptr, 1, images.panel, 0.5f);
    dial->setValue(0.37f);
    auto* context = new gui::COffscreenContext(nullptr, kEditorWidth, kEditorHeight);
    for (auto _ : state) {
        dial->draw(context);
        benchmark::ClobberMemory();
    }
    context->forget();
    dial->forget();
}

BENCHMARK(faderDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(dialDraw)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tolvo

BENCHMARK_MAIN();
