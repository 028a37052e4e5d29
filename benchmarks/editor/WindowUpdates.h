// The frame's window update on the display, on an instance made in this
// process: repainting the whole window (as after an expose), and the update
// at an idle when every control is dirty, back to back.
#pragma once

#include "benchmarks/editor/SampleTimer.h"

namespace tolvo {

struct UpdateFigures {
    bool measured = false;
    Timing wholeWindow;
    Timing everyControl;
};

UpdateFigures measureWindowUpdates(int runs);

} // namespace tolvo
