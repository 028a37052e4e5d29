#include "editor/PlugEd.h"

#include <cmath>
#include <cstdio>

#include "controls/CDIB.h"
#include "controls/CTBKFrame.h"
#include "engine/Plug.h"
#include "view/CFontDesc.h"
#include "view/CTextEdit.h"

namespace {

constexpr int16_t kEditorWidth = 265;
constexpr int16_t kEditorHeight = 534;
constexpr int32_t kPanelResource = 123;
constexpr int32_t kTagPeak = 504;
const gui::CRect kFieldRects[2] = {{110, 453, 167, 467}, {168, 194, 225, 208}};
const gui::CRect kPeakRect(179, 65, 212, 75);

} // namespace

PlugEd::PlugEd(Plug* plug) : AEffGUIEditor(plug), plug(plug)
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = kEditorHeight;
    rect.right = kEditorWidth;
}

PlugEd::~PlugEd()
{
    close();
    if (background)
        background->forget();
}

bool PlugEd::open(void* window)
{
    AEffGUIEditor::open(window);
    if (!background)
        background = new CDIB(kPanelResource);
    auto* editorFrame = new CTBKFrame(gui::CRect(0, 0, kEditorWidth, kEditorHeight), window, this);
    editorFrame->setBackground(background);
    editorFrame->setBackgroundColor(gui::CColor{40, 40, 40, 255});
    frame = editorFrame;

    for (int32_t tag = 0; tag < 2; ++tag) {
        auto* field = new gui::CTextEdit(kFieldRects[tag], this, tag);
        bindings[tag] = {plug, tag};
        field->setStringConvert(parameterText, &bindings[tag]);
        field->setValue(plug->getParameter(tag));
        editorFrame->addView(field);
        fields[tag] = field;
    }
    peakReadout = new gui::CParamDisplay(kPeakRect);
    peakReadout->setTag(kTagPeak);
    peakReadout->setFont(gui::kNormalFontVerySmall);
    peakReadout->setStringConvert(peakText, this);
    editorFrame->addView(peakReadout);
    return true;
}

void PlugEd::close()
{
    if (frame) {
        fields[0] = fields[1] = nullptr;
        peakReadout = nullptr;
        frame->forget();
        frame = nullptr;
    }
    AEffGUIEditor::close();
}

void PlugEd::idle()
{
    if (!frame)
        return;
    MeterReadout readout;
    if (plug->getMeters(&readout)) {
        double peak = readout.values[kReadInputPeak];
        heldPeak = std::max(peak, heldPeak * 0.9);
        peakReadout->setValue(static_cast<float>(heldPeak));
    }
    AEffGUIEditor::idle();
}

void PlugEd::setParameter(VstInt32 index, float value)
{
    if (index >= 0 && index < 2 && fields[index])
        fields[index]->setValue(value);
}

void PlugEd::valueChanged(gui::CControl* control)
{
    int32_t tag = control->getTag();
    if (tag < 0 || tag >= 2)
        return;
    plug->setParameterText(tag, fields[tag]->getText());
    plug->setParameterAutomated(tag, plug->getParameter(tag));
}

void PlugEd::parameterText(float, char* text, void* userData)
{
    auto* binding = static_cast<FieldBinding*>(userData);
    binding->plug->getParameterDisplay(binding->index, text);
}

void PlugEd::peakText(float value, char* text, void*)
{
    if (value <= 0.0f)
        std::snprintf(text, gui::CParamDisplay::kTextSize, "-oo");
    else
        std::snprintf(text, gui::CParamDisplay::kTextSize, "%.1f", 20.0 * std::log10(value));
}
