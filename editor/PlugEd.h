// The plug-in's editor. This first version shows the panel in a frame with
// the Gain and Trim entry fields and an input peak readout, built from the
// framework's own views.
#pragma once

#include "view/AEffGUIEditor.h"
#include "view/CControlListener.h"

class CDIB;
class Plug;

namespace gui {
class CParamDisplay;
class CTextEdit;
} // namespace gui

class PlugEd : public gui::AEffGUIEditor, public gui::CControlListener {
public:
    explicit PlugEd(Plug* plug);
    // Closes an open window first: its views must not outlive the editor.
    ~PlugEd() override;

    bool open(void* window) override;
    void close() override;
    void idle() override;
    void setParameter(VstInt32 index, float value) override;

    void valueChanged(gui::CControl* control) override;

private:
    // What a field's text converter needs to show its parameter.
    struct FieldBinding {
        Plug* plug;
        VstInt32 index;
    };

    static void parameterText(float value, char* text, void* userData);
    static void peakText(float value, char* text, void* userData);

    Plug* plug;
    CDIB* background = nullptr;
    FieldBinding bindings[2] = {};
    gui::CTextEdit* fields[2] = {};
    gui::CParamDisplay* peakReadout = nullptr;
    double heldPeak = 0.0;
};
