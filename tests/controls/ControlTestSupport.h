// What the control tests share: the panel and the small digit strip as the
// editor loads them, the fader and dial at their places on the panel, and a
// listener that writes down every value the controls report.
#pragma once

#include "controls/CDIB.h"
#include "controls/nDial.h"
#include "controls/nFader.h"
#include "view/CControlListener.h"

#include <cmath>
#include <vector>

namespace controltest {

constexpr int32_t kPanelId = 123;
constexpr int32_t kSmallDigitsId = 119;
constexpr int32_t kCapId = 112;
constexpr int32_t kCapMaskId = 114;
constexpr int32_t kMeterStripId = 124;
const gui::CRect kFaderRect(57, 48, 57 + 96, 48 + 401);
const gui::CRect kDialRect(180, 156, 180 + 31, 156 + 31);

class ValueLog : public gui::CControlListener {
public:
    void valueChanged(gui::CControl* control) override { values.push_back(control->getValue()); }
    std::vector<float> values;
};

// The panel images, released with the fixture.
struct Images {
    Images() : panel(new CDIB(kPanelId)), smallDigits(new CDIB(kSmallDigitsId)) {}
    ~Images()
    {
        panel->forget();
        smallDigits->forget();
    }
    Images(const Images&) = delete;
    Images& operator=(const Images&) = delete;

    CDIB* panel;
    CDIB* smallDigits;
};

inline nFader* makeFader(const Images& images, float value, gui::CControlListener* listener = nullptr,
                         const gui::CRect& rect = kFaderRect)
{
    return new nFader(rect, 0, listener, kCapId, kCapMaskId, kMeterStripId, images.smallDigits, images.panel,
                      value);
}

inline nDial* makeDial(const Images& images, float value, gui::CControlListener* listener = nullptr,
                       const gui::CRect& rect = kDialRect)
{
    auto* dial = new nDial(rect, listener, 1, images.panel, 0.5f);
    dial->setValue(value);
    return dial;
}

// Normalized Gain value of a gain in dB: gain = 8 v^3.
inline float valueOfDb(double dB)
{
    return float(std::cbrt(std::pow(10.0, dB / 20.0) / 8.0));
}

} // namespace controltest
