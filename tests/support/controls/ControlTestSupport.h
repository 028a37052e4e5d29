// What the control tests share: the panel and the small digit strip as the
// editor loads them, and the fader and dial at their places on the panel.
#pragma once

#include <cmath>
#include <vector>

#include "controls/CDIB.h"
#include "controls/nDial.h"
#include "controls/nFader.h"
#include "editor/PlugEdLayout.h"
#include "view/CControlListener.h"

namespace tolvo {

using editorLayout::kFaderRect;
using editorLayout::kTrimDialRect;

// The panel images, released with the fixture.
struct Images {
    Images()
        : panel(new CDIB(editorLayout::kPanel)), smallDigits(new CDIB(editorLayout::kSmallDigits))
    {}
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

inline nFader* makeFader(const Images& images, float value,
                         gui::CControlListener* listener = nullptr,
                         const gui::CRect& rect = kFaderRect)
{
    return new nFader(rect, 0, listener, editorLayout::kFaderCap, editorLayout::kCapMask,
                      editorLayout::kMeterStrip, images.smallDigits, images.panel, value);
}

inline nDial* makeDial(const Images& images, float value, gui::CControlListener* listener = nullptr,
                       const gui::CRect& rect = kTrimDialRect)
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

} // namespace tolvo
