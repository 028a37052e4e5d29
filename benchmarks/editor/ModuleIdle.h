// One editor idle through the built module, in a window on the display,
// including the window update: with a sweeping test tone played between the
// idles (meters and readouts change every time) and after a long silence
// (nothing changes); and the tone again with the editor at 2× (TOLVO_SCALE),
// when the screen is tall enough for it.
#pragma once

#include "benchmarks/editor/SampleTimer.h"

namespace tolvo {

struct IdleFigures {
    bool measured = false;
    Timing tone;
    Timing silence;
    bool twiceMeasured = false;
    Timing toneAtTwice;
};

IdleFigures measureModuleIdle(int runs);

} // namespace tolvo
