#pragma once

#include <list>

#include "view/CFrame.h"

// The editor's frame: a framework frame that lets the editor walk its
// children (in drawing order) to find controls by tag.
//
// Threads: every operation is [UI], the window thread that owns the frame.
class CTBKFrame : public gui::CFrame {
public:
    using ViewEntry = std::list<gui::CView*>::const_iterator;

    CTBKFrame(const gui::CRect& size, void* parentWindow, gui::GUIEditorInterface* editor);

    // The first and the last child's entry; noViewEntry() when there are none.
    virtual ViewEntry getFirstViewEntry() const;
    virtual ViewEntry getLastViewEntry() const;
    ViewEntry noViewEntry() const { return children.end(); }
};
