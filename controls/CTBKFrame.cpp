#include "controls/CTBKFrame.h"

#include <iterator>

CTBKFrame::CTBKFrame(const gui::CRect& size, void* parentWindow, gui::GUIEditorInterface* editor)
    : gui::CFrame(size, parentWindow, editor)
{}

CTBKFrame::ViewEntry CTBKFrame::getFirstViewEntry() const
{
    return children.begin();
}

CTBKFrame::ViewEntry CTBKFrame::getLastViewEntry() const
{
    return children.empty() ? children.end() : std::prev(children.end());
}
