// CViewContainer's input: mouse presses and drags routed to the child under
// the pointer, wheel, drag-and-drop and keys offered from the top child down.
#include <algorithm>

#include "view/CControl.h"
#include "view/CControlListener.h"
#include "view/CViewContainer.h"

namespace gui {

namespace {

// Right button or any modifier in the low byte of the button set: such a
// click is first offered to the control's listener.
constexpr CButtonState kModifierClickMask = 0xF8;

} // namespace

CMouseEventResult CViewContainer::onMouseDown(const CPoint& where, CButtonState buttons)
{
    const CPoint local = toLocal(where);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* child = *it;
        if (!child->isVisible() || !child->getMouseEnabled() || !child->hitTest(local, buttons))
            continue;
        if ((buttons & kModifierClickMask) && child->isTypeOf("CControl")) {
            auto* control = static_cast<CControl*>(child);
            CControlListener* listener = control->getListener();
            if (listener && listener->controlModifierClicked(control, buttons) != 0)
                return kMouseEventHandled;
        }
        const CMouseEventResult result = child->onMouseDown(local, buttons);
        // The child may have removed itself while handling the press.
        if (result == kMouseEventHandled && isChild(child))
            mouseDownView = child;
        return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseMoved(const CPoint& where, CButtonState buttons)
{
    if (mouseDownView) {
        if (mouseDownView->onMouseMoved(toLocal(where), buttons) == kMouseEventHandled)
            return kMouseEventHandled;
        mouseDownView = nullptr;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(const CPoint& where, CButtonState buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    CView* view = mouseDownView;
    mouseDownView = nullptr;
    view->onMouseUp(toLocal(where), buttons);
    return kMouseEventHandled;
}

bool CViewContainer::hitTestSubViews(const CPoint& where, CButtonState buttons)
{
    const CPoint local = toLocal(where);
    return std::any_of(children.rbegin(), children.rend(), [&](CView* child) {
        return child->getMouseEnabled() && child->hitTest(local, buttons);
    });
}

CView* CViewContainer::childUnder(const CPoint& local) const
{
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->isVisible() && (*it)->getMouseableArea().pointInside(local))
            return *it;
    }
    return nullptr;
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const
{
    if (!parentFrame || !visible)
        return nullptr;
    const CPoint local = toLocal(where);
    CView* child = childUnder(local);
    if (child && deep && isContainer(child))
        return static_cast<CViewContainer*>(child)->getViewAt(local, deep);
    return child;
}

CViewContainer* CViewContainer::getContainerAt(const CPoint& where, bool deep)
{
    if (!parentFrame || !visible)
        return nullptr;
    const CPoint local = toLocal(where);
    CView* child = childUnder(local);
    if (!child || !isContainer(child))
        return this;
    auto* container = static_cast<CViewContainer*>(child);
    return deep ? container->getContainerAt(local, deep) : container;
}

bool CViewContainer::onWheel(const CPoint& where, CMouseWheelAxis axis, float distance,
                             CButtonState buttons)
{
    CView* view = getViewAt(where, false);
    if (!view)
        return false;
    return view->onWheel(toLocal(where), axis, distance, buttons);
}

bool CViewContainer::onWheel(const CPoint& where, float distance, CButtonState buttons)
{
    return onWheel(where, kMouseWheelAxisY, distance, buttons);
}

bool CViewContainer::onDrop(CDragContainer* drag, const CPoint& where)
{
    CView* view = getViewAt(where, false);
    currentDragView = nullptr;
    return view && view->onDrop(drag, toLocal(where));
}

void CViewContainer::onDragEnter(CDragContainer* drag, const CPoint& where)
{
    currentDragView = getViewAt(where, false);
    if (currentDragView)
        currentDragView->onDragEnter(drag, toLocal(where));
}

void CViewContainer::onDragLeave(CDragContainer* drag, const CPoint& where)
{
    if (currentDragView)
        currentDragView->onDragLeave(drag, toLocal(where));
    currentDragView = nullptr;
}

void CViewContainer::onDragMove(CDragContainer* drag, const CPoint& where)
{
    CView* view = getViewAt(where, false);
    const CPoint local = toLocal(where);
    if (view == currentDragView) {
        if (view)
            view->onDragMove(drag, local);
        return;
    }
    if (currentDragView)
        currentDragView->onDragLeave(drag, local);
    currentDragView = view;
    if (view)
        view->onDragEnter(drag, local);
}

int32_t CViewContainer::onKeyDown(VstKeyCode& key)
{
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const int32_t answer = (*it)->onKeyDown(key);
        if (answer != -1)
            return answer;
    }
    return -1;
}

int32_t CViewContainer::onKeyUp(VstKeyCode& key)
{
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const int32_t answer = (*it)->onKeyUp(key);
        if (answer != -1)
            return answer;
    }
    return -1;
}
} // namespace gui
