#include "benchmarks/editor/WindowUpdates.h"

#include <memory>

#include "editor/PlugEd.h"
#include "engine/Plug.h"
#include "tools/tolvo-host/HostWindow.h"
#include "view/AEffGUIEditor.h"
#include "view/CFrame.h"

namespace tolvo {

UpdateFigures measureWindowUpdates(int runs)
{
    UpdateFigures figures;
    Plug plug(nullptr, PlugEd::create);
    auto* editor = static_cast<gui::AEffGUIEditor*>(plug.getEditor());
    ERect* rect = nullptr;
    if (!editor || !editor->getRect(&rect) || !rect)
        return figures;
    std::unique_ptr<HostWindow> host =
        HostWindow::create(rect->right - rect->left, rect->bottom - rect->top, "Tolvo benchmark");
    if (!host || !editor->open(host->handle()) || !editor->getFrame())
        return figures;
    gui::CFrame& frame = *editor->getFrame();
    frame.idle();

    figures.wholeWindow = timeRuns(
        runs, [&] { frame.invalid(); }, [&] { frame.idle(); });
    auto markEveryControl = [&] {
        for (int32_t i = 0; i < frame.getNbViews(); ++i)
            frame.getView(i)->setDirty(true);
    };
    figures.everyControl = timeRuns(runs, markEveryControl, [&] { frame.idle(); });
    figures.measured = true;
    editor->close();
    return figures;
}

} // namespace tolvo
