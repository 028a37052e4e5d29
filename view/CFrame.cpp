#include "view/CFrame.h"

#include <cstring>

#include "view/CDrawContext.h"
#include "view/GDIPlusGlobals.h"
#include "view/GUIEditorInterface.h"
#include "view/TickCount.h"

namespace gui {

namespace {

// Keeps setFocusView from re-entering itself through a looseFocus that moves
// the focus again. All frames run on the host's user-interface thread.
bool focusChangeGuard = false;

} // namespace

CFrame::CFrame(const CRect& size, void* parentWindow, GUIEditorInterface* editor)
    : CViewContainer(size), editor(editor), parentWindow(parentWindow)
{
    parentFrame = this;
    attachedToParent = true;
    GDIPlusGlobals::enterFor([&] {
        if (parentWindow)
            window.reset(PlatformWindow::create(parentWindow, size.width(), size.height(), this));
    });
}

CFrame::~CFrame()
{
    if (modalView)
        CViewContainer::removeView(modalView, false);
    setCursor(kCursorDefault);
    // Views go first: an open text field closes its entry, which lives in the
    // window.
    removeAll(true);
    parentFrame = nullptr;
    windowDeviceReplaced();
    window.reset();
    GDIPlusGlobals::exit();
}

void CFrame::draw(CDrawContext* context)
{
    drawRect(context, size);
}

void CFrame::drawRect(CDrawContext* context, const CRect& update)
{
    firstDraw = false;
    if (context)
        context->remember();
    else
        context = createDrawContext();
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect newClip = update;
    newClip.bound(oldClip);
    context->setClipRect(newClip);
    if (update.width() > 0 && update.height() > 0)
        CViewContainer::drawRect(context, update);
    context->setClipRect(oldClip);
    context->forget();
}

void CFrame::invalidRect(const CRect& rect)
{
    if (visible && window)
        window->invalidRect(rect);
}

void CFrame::invalid()
{
    setDirty(false);
    invalidRect(size);
}

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

bool CFrame::onWheel(const CPoint& where, CMouseWheelAxis axis, float distance, CButtonState buttons)
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

GUIEditorInterface* CFrame::getEditor() const
{
    return editor;
}

bool CFrame::isTypeOf(const char* type) const
{
    return (type && std::strcmp(type, "CFrame") == 0) || CViewContainer::isTypeOf(type);
}

CView* CFrame::newCopy() const
{
    return nullptr;
}

bool CFrame::removeView(CView* view, bool withForget)
{
    if (view && view == modalView)
        modalView = nullptr;
    return CViewContainer::removeView(view, withForget);
}

bool CFrame::removeAll(bool withForget)
{
    modalView = nullptr;
    focusView = nullptr;
    mouseOverView = nullptr;
    return CViewContainer::removeAll(withForget);
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

bool CFrame::isOpen() const
{
    return open;
}

void CFrame::idle()
{
    if (!open)
        return;
    const DispatchScope scope(*this);
    invalidateDirtyViews();
    if (window)
        window->idle();
}

void CFrame::doIdleStuff()
{
    if (editor)
        editor->doIdleStuff();
}

uint32_t CFrame::getTicks() const
{
    return systemTickCount();
}

int32_t CFrame::getKnobMode() const
{
    return editor ? editor->getKnobMode() : 0;
}

bool CFrame::setPosition(int32_t, int32_t)
{
    return false;
}

bool CFrame::getPosition(int32_t& x, int32_t& y) const
{
    if (!open || !window)
        return false;
    CPoint position = window->outerPosition();
    x = position.x;
    y = position.y;
    return true;
}

bool CFrame::setSize(int32_t width, int32_t height)
{
    if (!open || !window)
        return false;
    if (width == size.width() && height == size.height())
        return true;
    window->setSize(width, height);
    CViewContainer::setViewSize(CRect(size.left, size.top, size.left + width, size.top + height));
    return true;
}

bool CFrame::getSize(CRect& rect) const
{
    if (!open || !window)
        return false;
    rect = window->parentRect();
    return true;
}

bool CFrame::getSize(CRect* rect) const
{
    return rect && getSize(*rect);
}

bool CFrame::setModalView(CView* view)
{
    if (view && (modalView || view->isAttached()))
        return false;
    if (modalView)
        CViewContainer::removeView(modalView, false);
    modalView = view;
    return view ? addView(view) : true;
}

CView* CFrame::getModalView() const
{
    return modalView;
}

void CFrame::beginEdit(int32_t index)
{
    if (editor)
        editor->beginEdit(index);
}

void CFrame::endEdit(int32_t index)
{
    if (editor)
        editor->endEdit(index);
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

void CFrame::onViewRemoved(CView* view)
{
    if (mouseOverView == view)
        mouseOverView = nullptr;
    if (focusView == view)
        focusView = nullptr;
}

void CFrame::setOpenFlag(bool state)
{
    open = state;
}

bool CFrame::getOpenFlag() const
{
    return open;
}

void CFrame::invalidate(const CRect& rect)
{
    for (CView* child : children) {
        if (child->getViewSize().rectOverlap(rect))
            child->setDirty(true);
    }
}

std::unique_ptr<NativeTextEntry> CFrame::createTextEntry(const NativeTextEntry::Settings& settings,
                                                         NativeTextEntry::Listener& listener)
{
    return window ? window->createTextEntry(settings, listener) : nullptr;
}

CDrawContext* CFrame::createDrawContext()
{
    return new CDrawContext(this, nullptr, window ? window->handle() : nullptr);
}

CMouseEventResult CFrame::windowMouseDown(CPoint where, CButtonState buttons)
{
    const DispatchScope scope(*this);
    return onMouseDown(where, buttons);
}

void CFrame::windowMouseUp(CPoint where, CButtonState buttons)
{
    const DispatchScope scope(*this);
    pointerEvents.fetch_add(1, std::memory_order_relaxed);
    onMouseUp(where, buttons);
}

void CFrame::windowMouseMoved(CPoint where, CButtonState buttons)
{
    const DispatchScope scope(*this);
    onMouseMoved(where, buttons);
}

void CFrame::windowMouseExited(CPoint where, CButtonState buttons)
{
    const DispatchScope scope(*this);
    onMouseExited(where, buttons);
}

void CFrame::windowWheel(CPoint where, CMouseWheelAxis axis, float distance, CButtonState buttons)
{
    const DispatchScope scope(*this);
    onWheel(where, axis, distance, buttons);
}

void CFrame::windowInputDelivered()
{
    const DispatchScope scope(*this);
    if (open)
        invalidateDirtyViews();
}

void CFrame::windowPaint(void* device, const CRect& update)
{
    const DispatchScope scope(*this);
    paints.fetch_add(1, std::memory_order_relaxed);
    if (paintContext && paintContext->getDevice() != device)
        windowDeviceReplaced();
    if (paintContext)
        paintContext->restoreDefaults();
    else
        paintContext = new CDrawContext(this, device, window ? window->handle() : nullptr);
    drawRect(paintContext, update);
}

void CFrame::windowDeviceReplaced()
{
    if (paintContext)
        paintContext->forget();
    paintContext = nullptr;
}

void CFrame::windowDestroyed()
{
    setOpenFlag(false);
    parentWindow = nullptr;
}

void CFrame::notifyEnclosing(CView* view, const char* message)
{
    for (CView* parent = view->getParentView(); parent && parent != this; parent = parent->getParentView())
        parent->notify(view, message);
}

} // namespace gui
