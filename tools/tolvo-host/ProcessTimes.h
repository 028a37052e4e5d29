// The CPU time the whole process (every thread) has used so far, user and
// system together, for tolvo-host's CPU-share figure.
#pragma once

namespace tolvo {

double processCpuSeconds();

} // namespace tolvo
