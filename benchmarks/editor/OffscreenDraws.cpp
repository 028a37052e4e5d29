#include "benchmarks/editor/OffscreenDraws.h"

#include "engine/Plug.h"
#include "view/AEffGUIEditor.h"
#include "view/CFrame.h"
#include "view/COffscreenContext.h"

namespace tolvo {

namespace {

// The kinds of view in the editor, named by the framework class each is; the
// most specific class comes first (a text field is a parameter display too).
struct ViewKind {
    const char* what;
    const char* type;
};

const ViewKind kKinds[] = {
    {"entry field", "CTextEdit"},
    {"readout", "CParamDisplay"},
};

const ViewKind* kindOf(gui::CView* view)
{
    for (const ViewKind& kind : kKinds) {
        if (view->isTypeOf(kind.type))
            return &kind;
    }
    return nullptr;
}

gui::CView* firstOfKind(gui::CFrame& frame, const ViewKind& kind)
{
    for (int32_t i = 0; i < frame.getNbViews(); ++i) {
        gui::CView* view = frame.getView(i);
        if (kindOf(view) == &kind)
            return view;
    }
    return nullptr;
}

// Draws the view as the frame does: clipped to its own rectangle.
void drawLikeFrame(gui::CDrawContext& context, gui::CView& view)
{
    const gui::CRect area = view.getViewSize();
    context.setClipRect(area);
    view.drawRect(&context, area);
}

} // namespace

std::vector<DrawFigure> measureOffscreenDraws(int runs)
{
    Plug plug(nullptr);
    auto* editor = static_cast<gui::AEffGUIEditor*>(plug.getEditor());
    std::vector<DrawFigure> figures;
    if (!editor || !editor->open(nullptr) || !editor->getFrame())
        return figures;
    gui::CFrame& frame = *editor->getFrame();
    const gui::CRect size = frame.getViewSize();
    gui::COffscreenContext context(&frame, size.width(), size.height());

    for (const ViewKind& kind : kKinds) {
        gui::CView* view = firstOfKind(frame, kind);
        if (!view)
            continue;
        figures.push_back({kind.what, timeRuns(runs, [&] { drawLikeFrame(context, *view); })});
    }
    context.setClipRect(size);
    figures.push_back({"whole frame", timeRuns(runs, [&] { frame.draw(&context); })});
    editor->close();
    return figures;
}

} // namespace tolvo
