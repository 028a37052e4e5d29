// The gain loop's arithmetic alone, with everything in local variables: the
// smoother, both meter updates and the same flushes, as a yardstick for the
// plug-in's own loop.
#pragma once

#include <cstdint>

#include "engine/TinyFlush.h"

namespace tolvo {

struct KernelMeter {
    double envelope = 0.0;
    double sumOfSquares = 0.0;
    double peak = 0.0;

    void update(double s, double attack, double release)
    {
        const double a = s * (s > 0.0 ? 1.0 : -1.0);
        envelope = a > envelope ? envelope + (a - envelope) * attack : envelope * release;
        if (envelope > peak)
            peak = envelope;
        sumOfSquares += a * a;
        envelope = flushTiny(envelope);
        sumOfSquares = flushTiny(sumOfSquares);
    }
};

class BareKernel {
public:
    BareKernel(double target, double attack, double release)
        : target(target), attack(attack), release(release)
    {}

    template <typename In, typename Out, bool accumulate>
    void run(const In* in, Out* out, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            gain = flushTiny(gain + (target - gain) * static_cast<double>(0.005f));
            const double x = in[i];
            input.update(x, attack, release);
            ++count;
            const double y = flushTiny(x * gain);
            output.update(y, attack, release);
            if constexpr (accumulate)
                out[i] = out[i] + static_cast<Out>(y);
            else
                out[i] = static_cast<Out>(y);
        }
    }

    KernelMeter input;
    KernelMeter output;
    int32_t count = 0;

private:
    double gain = 1.0;
    double target;
    double attack;
    double release;
};

} // namespace tolvo
