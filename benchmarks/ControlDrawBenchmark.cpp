// Time per full draw of the fader (meter lit to 0 dB, RMS line, both hold
// markers, cap) and of the dial, into an offscreen of the editor's size:
// composing the picture, committing it and drawing it.
#include <benchmark/benchmark.h>

#include "editor/PlugEdLayout.h"
#include "tests/support/controls/ControlTestSupport.h"
#include "view/COffscreenContext.h"

namespace tolvo {
namespace {

void faderDraw(benchmark::State& state)
{
    Images images;
    nFader* fader = makeFader(images, 0.5f);
    // 0 dB on the bar, -6 dB RMS; the holds a little above.
    const double meters[8] = {1.0, 0.0, 1.0, 0.0, 0.5, 0.0, 0.5, 0.0};
    const double holds[4] = {1.2, 0.0, 0.6, 0.0};
    fader->setMeterLevels(meters, true);
    fader->setHoldLevels(holds);
    auto* context =
        new gui::COffscreenContext(nullptr, editorLayout::kWidth, editorLayout::kHeight);
    for (auto _ : state) {
        fader->draw(context);
        benchmark::ClobberMemory();
    }
    context->forget();
    fader->forget();
}

void dialDraw(benchmark::State& state)
{
    Images images;
    nDial* dial = makeDial(images, 0.37f);
    auto* context =
        new gui::COffscreenContext(nullptr, editorLayout::kWidth, editorLayout::kHeight);
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
