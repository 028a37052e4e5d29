// Offscreen draw time of the editor's controls, one of each kind, and of the
// whole frame, on an instance made in this process (the frame has no window).
#pragma once

#include <string>
#include <vector>

#include "benchmarks/editor/SampleTimer.h"

namespace tolvo {

struct DrawFigure {
    std::string what;
    Timing timing;
};

std::vector<DrawFigure> measureOffscreenDraws(int runs);

} // namespace tolvo
