// The fine window's arithmetic: opening, following a value, the effective value.
#include "controls/FineWindow.h"

#include <algorithm>
#include <cmath>

#include "rules/GainLaw.h"
#include "rules/SettingsWords.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;
// Linear ratios of the fine ranges ±6.02, ±12.04 and ±18.06 dB.
constexpr float kFineRatios[3] = {2.0f, 4.0f, 8.0f};
// How far past the window's ends a value still counts as inside it.
constexpr double kFineWindowTolerance = 0.000001;
constexpr float kMiddle = 0.5f;

} // namespace

float clampUnit(float x)
{
    return std::min(1.0f, std::max(0.0f, x));
}

void FineWindow::open(float base, int32_t rangeWord)
{
    on.store(true, relaxed);
    range.store(rangeWord, relaxed);
    float place = kMiddle;
    float scale = 1.0f;
    const float ratio = kFineRatios[settingChoice(kSettingFineRange, rangeWord)];
    const float cube = levelFromNormalized(base);
    if (ratio * cube > 1.0f) {
        // The window's top would pass the top gain: shift it down, keeping
        // the effective value at the base.
        scale = 1.0f / (cube * ratio);
        place = (1.0f - std::log(scale) / std::log(ratio)) * 0.5f;
    }
    span.store(ratio, relaxed);
    shift.store(scale, relaxed);
    fine.store(place, relaxed);
}

void FineWindow::shut(int32_t rangeWord)
{
    on.store(false, relaxed);
    range.store(rangeWord, relaxed);
}

void FineWindow::recentre()
{
    shift.store(1.0f, relaxed);
    fine.store(kMiddle, relaxed);
}

float FineWindow::effectiveValue(float base) const
{
    if (base == 0.0f)
        return 0.0f;
    const double scale = shift.load(relaxed);
    const double ratio = span.load(relaxed);
    const double place = fine.load(relaxed);
    return float(
        std::pow(scaledLevel(scale * std::pow(ratio, 2.0 * place - 1.0), base), 1.0 / 3.0));
}

bool FineWindow::follow(float x, float base)
{
    const double q = levelFromNormalized(double(x)) / levelFromNormalized(double(base));
    const double scale = shift.load(relaxed);
    const double ratio = span.load(relaxed);
    const double t = (std::log(q / scale) / std::log(ratio) + 1.0) * 0.5;
    if (t < -kFineWindowTolerance || t > 1.0 + kFineWindowTolerance)
        return false;
    fine.store(clampUnit(float(t)), relaxed);
    return true;
}

void FineWindow::move(float change)
{
    fine.store(clampUnit(fine.load(relaxed) + change), relaxed);
}

void FineWindow::centre()
{
    fine.store(kMiddle, relaxed);
}
