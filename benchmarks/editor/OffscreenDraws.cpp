#include "benchmarks/editor/OffscreenDraws.h"

#include <cmath>
#include <vector>

#include "editor/PlugEd.h"
#include "editor/PlugEdLayout.h"
#include "engine/Plug.h"
#include "view/CControl.h"
#include "view/CFrame.h"
#include "view/COffscreenContext.h"

namespace tolvo {

namespace {

using namespace editorLayout;

constexpr float kSampleRate = 44100.0f;
constexpr VstInt32 kToneFrames = 4410;

// A full-scale sine through the instance and one idle: the fader's meter is
// lit to the top, the readouts and holds show 0 dB.
void lightTheMeters(Plug& plug, PlugEd& editor)
{
    std::vector<float> in(kToneFrames), out(kToneFrames);
    for (VstInt32 i = 0; i < kToneFrames; ++i)
        in[size_t(i)] = float(std::sin(0.1425 * i));
    float* inputs[] = {in.data()};
    float* outputs[] = {out.data()};
    plug.processReplacing(inputs, outputs, kToneFrames);
    editor.idle();
}

// Draws the view as the frame does: clipped to its own rectangle.
void drawLikeFrame(gui::CDrawContext& context, gui::CView& view)
{
    const gui::CRect area = view.getViewSize();
    context.setClipRect(area);
    view.drawRect(&context, area);
}

struct ControlKind {
    const char* what;
    int32_t tag;
    // Which control with the tag, in frame order.
    int nth;
};

const ControlKind kKinds[] = {
    {"fader, meter lit", kParamGain, 0}, {"dial", kParamTrim, 0},  {"switch", kParamPhase, 0},
    {"entry field", kParamGain, 1},      {"readout", kTagPeak, 0}, {"closed logo", kTagSettings, 0},
};

gui::CControl* controlOf(PlugEd& editor, const ControlKind& kind)
{
    gui::CControl* control = editor.findControl(kind.tag);
    for (int i = 0; i < kind.nth && control; ++i)
        control = editor.findControl(kind.tag, control);
    return control;
}

} // namespace

std::vector<DrawFigure> measureOffscreenDraws(int runs)
{
    Plug plug(nullptr, PlugEd::create);
    plug.setSampleRate(kSampleRate);
    plug.resume();
    auto* editor = static_cast<PlugEd*>(plug.getEditor());
    std::vector<DrawFigure> figures;
    if (!editor || !editor->open(nullptr) || !editor->getFrame())
        return figures;
    gui::CFrame& frame = *editor->getFrame();
    lightTheMeters(plug, *editor);
    const gui::CRect size = frame.getViewSize();
    gui::COffscreenContext context(&frame, size.width(), size.height());

    for (const ControlKind& kind : kKinds) {
        if (gui::CControl* control = controlOf(*editor, kind))
            // Marked dirty first: a control that keeps its last picture
            // composes it whole again, as after any change but the meter's.
            figures.push_back({kind.what, timeRuns(
                                              runs, [&] { control->setDirty(true); },
                                              [&] { drawLikeFrame(context, *control); })});
    }
    context.setClipRect(size);
    figures.push_back(
        {"whole frame", timeRuns(
                            runs, [&] { frame.invalidate(size); }, [&] { frame.draw(&context); })});

    // A left click on the logo opens the settings page over the editor.
    if (gui::CControl* logo = editor->findControl(kTagSettings)) {
        const gui::CPoint inLogo(kLogoRect.left + 2, kLogoRect.top + 2);
        logo->onMouseDown(inLogo, gui::kLButton);
        logo->onMouseUp(inLogo, 0);
        if (logo->getValue() != 0.0f)
            figures.push_back(
                {"open settings page", timeRuns(runs, [&] { drawLikeFrame(context, *logo); })});
    }
    editor->close();
    return figures;
}

} // namespace tolvo
