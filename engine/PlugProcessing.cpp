// The gain stage of Plug: the smoothed gain loop, the target gain and meter
// coefficients it follows, and the meter readout.
#include <cmath>

#include "engine/Ballistics.h"
#include "engine/Plug.h"
#include "engine/TinyFlush.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;
// Fraction of the remaining distance to the target covered per sample.
constexpr double kSmoothing = static_cast<double>(0.005f);
constexpr double kRefreshIntervalMs = 4.0;
constexpr double kMillisecondsPerSecond = 1000.0;

} // namespace

void Plug::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processReplace(inputs, outputs, sampleFrames);
}

void Plug::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames)
{
    processDoubleReplace(inputs, outputs, sampleFrames);
}

void Plug::process(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processAccumulate(inputs, outputs, sampleFrames);
}

void Plug::processReplace(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    runGainLoop<float, false>(inputs, outputs, sampleFrames);
}

void Plug::processDoubleReplace(double** inputs, double** outputs, VstInt32 sampleFrames)
{
    runGainLoop<double, false>(inputs, outputs, sampleFrames);
}

void Plug::processAccumulate(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    runGainLoop<float, true>(inputs, outputs, sampleFrames);
}

template <typename Sample, bool accumulate>
void Plug::runGainLoop(Sample** inputs, Sample** outputs, VstInt32 sampleFrames)
{
    if (sampleFrames <= 0 || !inputs || !outputs || !inputs[0] || !outputs[0])
        return;
    const Sample* in = inputs[0];
    Sample* out = outputs[0];
    // Values other threads may change are read at the start of the block and
    // again after each refresh.
    double gain = currentGain.load(relaxed);
    double target = targetGain.load(relaxed);
    double clockStep = samplePeriod.load(relaxed) * kMillisecondsPerSecond;
    MeterCoefficients coefficients = meters.coefficients();
    // The meters run in local variables and are published once, at the end.
    Metering::Block metered = meters.startBlock();
    double clock = processingClock;
    double nextRefresh = lastRefreshTime + kRefreshIntervalMs;
    for (VstInt32 i = 0; i < sampleFrames; ++i) {
        gain = flushTiny(gain + (target - gain) * kSmoothing);
        clock = clock + clockStep;
        if (clock >= nextRefresh) {
            lastRefreshTime = clock;
            nextRefresh = clock + kRefreshIntervalMs;
            updateGainAndBallistics();
            target = targetGain.load(relaxed);
            clockStep = samplePeriod.load(relaxed) * kMillisecondsPerSecond;
            coefficients = meters.coefficients();
        }
        const double x = in[i];
        Metering::updateInput(x, metered, coefficients);
        const double y = flushTiny(x * gain);
        Metering::updateOutput(y, metered, coefficients);
        if constexpr (accumulate)
            out[i] = out[i] + static_cast<Sample>(y);
        else
            out[i] = static_cast<Sample>(y);
    }
    processingClock = clock;
    currentGain.store(gain, relaxed);
    meters.publish(metered, sampleFrames);
}

void Plug::updateGainAndBallistics()
{
    const double sign = isSwitchOn(derivedValue(kParamPhase)) ? -1.0 : 1.0;
    const double muteFactor = isSwitchOn(derivedValue(kParamMute)) ? 0.0 : 1.0;
    const double trim = derivedValue(kParamTrim);
    const double gain = derivedValue(kParamGain);
    double target = sign * (trim * gain) * muteFactor;
    if (isSwitchOn(derivedValue(kParamBypass)))
        target = 1.0;
    targetGain.store(target, relaxed);

    const double rate = getSampleRate();
    samplePeriod.store(1.0 / rate, relaxed);
    meters.setCoefficients(ballisticsTable.coefficients(settings.ballistics()));
}

void Plug::resume()
{
    currentGain.store(targetGain.load(relaxed), relaxed);
    meters.clear();
}

void Plug::setSampleRate(float rate)
{
    // A rate that is not a positive number would stop the processing clock.
    if (!std::isfinite(rate) || rate <= 0.0f)
        return;
    AudioEffectX::setSampleRate(rate);
    ballisticsTable.setSampleRate(getSampleRate());
    updateGainAndBallistics();
}

bool Plug::getMeters(MeterReadout* out)
{
    return out && meters.read(*out) > 0;
}

void Plug::getMeterEnvelopes(MeterReadout* out) const
{
    if (out)
        meters.readEnvelopes(*out);
}
