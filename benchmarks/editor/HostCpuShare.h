// The CPU share of `tolvo-host editor` (user + system time over wall time,
// every thread of the process) at 30 idle calls a second, with the test tone
// and with silence, against the same host with no editor open. Each run is a
// tolvo-host process of its own, started from beside this program; the four
// runs are repeated in rounds, one after another, so a load that comes and
// goes weighs on both sides of each difference alike.
#pragma once

#include <cmath>

namespace tolvo {

struct CpuShares {
    // Percent of one core, the median over the rounds; NAN when a run failed.
    double noEditorTone = NAN;
    double noEditorSilence = NAN;
    double editorTone = NAN;
    double editorSilence = NAN;
    // The editor's share (editor - no editor) in points, the median of the
    // rounds' differences.
    double toneCost = NAN;
    double silenceCost = NAN;
};

CpuShares measureHostCpuShares(double seconds, int rounds);

} // namespace tolvo
