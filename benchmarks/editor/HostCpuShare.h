// The CPU share of `tolvo-host editor` (user + system time over wall time,
// every thread of the process) at 30 idle calls a second, with the test tone
// and with silence, against the same host with no editor open. Each run is a
// tolvo-host process of its own, started from beside this program.
#pragma once

#include <cmath>

namespace tolvo {

struct CpuShares {
    // Percent of one core; NAN when the run failed.
    double noEditorTone = NAN;
    double noEditorSilence = NAN;
    double editorTone = NAN;
    double editorSilence = NAN;
};

CpuShares measureHostCpuShares(double seconds);

} // namespace tolvo
