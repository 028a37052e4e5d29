// The frame's mouse, wheel and keys: the views under the pointer, the mouse
// capture, the modal view and the keyboard focus.
#include "view/CFrame.h"

namespace gui {

namespace {

// Keeps setFocusView from re-entering itself through a looseFocus that moves
// the focus again. All frames run on the host's user-interface thread.
bool focusChangeGuard = false;

} // namespace

CMouseEventResult CFrame::onMouseDown(const CPoint& where, CButtonState buttons)
{
    pointerEvents.fetch_add(1, std::memory_order_relaxed);
    mouseDownView = nullptr;
    // A press anywhere first ends an open text field, which commits it.
    if (focusView)
        setFocusView(nullptr);
    if (mouseOverView) {
        CPoint local = where;
        mouseOverView->frameToLocal(local);
        mouseOverView->onMouseExited(local, buttons);
        mouseOverView = nullptr;
    }
    if (!modalView)
        return CViewContainer::onMouseDown(where, buttons);
    if (!modalView->hitTest(where, buttons))
        return kMouseEventNotHandled;
    if (modalView->onMouseDown(where, buttons) != kMouseEventHandled)
        return kMouseEventNotHandled;
    mouseDownView = modalView;
    return kMouseEventHandled;
}

CMouseEventResult CFrame::onMouseMoved(const CPoint& where, CButtonState buttons)
{
    pointerEvents.fetch_add(1, std::memory_order_relaxed);
    if (!mouseInside && window) {
        window->trackMouseLeave();
        mouseInside = true;
    }
    if (modalView)
        return modalView->onMouseMoved(where, buttons);
    if (mouseDownView) {
        if (mouseDownView->onMouseMoved(toLocal(where), buttons) == kMouseEventHandled)
            return kMouseEventHandled;
        mouseDownView = nullptr;
    }
    CView* view = getViewAt(where, true);
    if (view == mouseOverView) {
        if (!view)
            return kMouseEventNotHandled;
        CPoint local = where;
        view->frameToLocal(local);
        return view->onMouseMoved(local, 0);
    }
    if (mouseOverView) {
        CPoint local = where;
        mouseOverView->frameToLocal(local);
        mouseOverView->onMouseExited(local, buttons);
    }
    mouseOverView = view;
    if (view) {
        CPoint local = where;
        view->frameToLocal(local);
        view->onMouseEntered(local, buttons);
    }
    return kMouseEventHandled;
}

CMouseEventResult CFrame::onMouseExited(const CPoint& where, CButtonState buttons)
{
    pointerEvents.fetch_add(1, std::memory_order_relaxed);
    if (mouseOverView) {
        CPoint local = where;
        mouseOverView->frameToLocal(local);
        mouseOverView->onMouseExited(local, buttons);
        mouseOverView = nullptr;
    }
    mouseInside = false;
    return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, CMouseWheelAxis axis, float distance,
                     CButtonState buttons)
{
    // The wheel does nothing while a view is being dragged.
    if (mouseDownView)
        return false;
    CView* target = modalView ? modalView : getViewAt(where, false);
    return target && target->onWheel(where, axis, distance, buttons);
}

int32_t CFrame::onKeyDown(VstKeyCode& key)
{
    const DispatchScope scope(*this);
    if (window && window->takeHostKey(key))
        return 1;
    int32_t result = -1;
    if (focusView)
        result = focusView->onKeyDown(key);
    if (result == -1 && modalView)
        result = modalView->onKeyDown(key);
    if (result != -1)
        return result;
    if (key.virt == VKEY_TAB)
        return advanceNextFocusView(focusView, (key.modifier & MODIFIER_SHIFT) != 0) ? 1 : -1;
    return -1;
}

int32_t CFrame::onKeyUp(VstKeyCode& key)
{
    const DispatchScope scope(*this);
    int32_t result = -1;
    if (focusView)
        result = focusView->onKeyUp(key);
    if (result == -1 && modalView)
        result = modalView->onKeyUp(key);
    return result;
}

bool CFrame::advanceNextFocusView(CView* oldFocus, bool reverse)
{
    if (modalView) {
        if (modalView->isTypeOf("CViewContainer"))
            return static_cast<CViewContainer*>(modalView)->advanceNextFocusView(oldFocus, reverse);
        if (oldFocus == modalView)
            return false;
        setFocusView(modalView);
        return true;
    }
    if (!oldFocus)
        oldFocus = focusView;
    if (!oldFocus)
        return CViewContainer::advanceNextFocusView(nullptr, reverse);
    // Go up from the old focus: each enclosing container continues after the
    // child the search came from; the frame's own level ends the walk.
    CView* from = oldFocus;
    for (CView* parent = oldFocus->getParentView(); parent && parent != this;
         parent = parent->getParentView()) {
        if (static_cast<CViewContainer*>(parent)->advanceNextFocusView(from, reverse))
            return true;
        from = parent;
    }
    if (CViewContainer::advanceNextFocusView(from, reverse))
        return true;
    setFocusView(nullptr);
    return false;
}

bool CFrame::getCurrentMouseLocation(CPoint& where) const
{
    if (!window)
        return false;
    where = window->mouseLocation();
    return true;
}

CButtonState CFrame::getCurrentMouseButtons() const
{
    return window ? window->mouseButtons() : 0;
}

void CFrame::setCursor(CCursorType type)
{
    if (window)
        window->setCursor(type);
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView || focusChangeGuard)
        return;
    focusChangeGuard = true;
    CView* oldFocus = focusView;
    focusView = view;
    if (view && view->wantsFocus()) {
        view->setDirty(true);
        notifyEnclosing(view, kMsgNewFocusView);
    }
    if (oldFocus) {
        if (oldFocus->wantsFocus()) {
            oldFocus->setDirty(true);
            notifyEnclosing(oldFocus, kMsgOldFocusView);
        }
        oldFocus->looseFocus();
    }
    focusChangeGuard = false;
}

CView* CFrame::getFocusView() const
{
    return focusView;
}

void CFrame::notifyEnclosing(CView* view, const char* message)
{
    for (CView* parent = view->getParentView(); parent && parent != this;
         parent = parent->getParentView())
        parent->notify(view, message);
}

} // namespace gui
