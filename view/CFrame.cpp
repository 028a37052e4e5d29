// The editor's root container: its life, drawing, the view tree, the idle,
// size and position, the modal view and the edits passed to the editor.
#include "view/CFrame.h"

#include <cstring>

#include "view/CDrawContext.h"
#include "view/GDIPlusGlobals.h"
#include "view/GUIEditorInterface.h"
#include "view/TickCount.h"

namespace gui {

CFrame::CFrame(const CRect& size, void* parentWindow, GUIEditorInterface* editor)
    : CViewContainer(size), editor(editor), parentWindow(parentWindow)
{
    parentFrame = this;
    attachedToParent = true;
    GDIPlusGlobals::enterFor([&] {
        if (parentWindow)
            window.reset(PlatformWindow::create(parentWindow, size.width(), size.height(),
                                                editor ? editor->getHostScale() : 0.0, this));
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

} // namespace gui
