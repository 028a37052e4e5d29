#include "view/CView.h"

#include <cstring>

#include "view/CBitmap.h"
#include "view/CFrame.h"

namespace gui {

CView::CView(const CRect& size) : size(size), mouseableArea(size)
{}

CView::CView(const CView& other)
    : CBaseObject(), size(other.size), mouseableArea(other.mouseableArea),
      dirty(other.dirty.load(std::memory_order_relaxed)), mouseEnabled(other.mouseEnabled),
      transparencyEnabled(other.transparencyEnabled), wantsFocusFlag(other.wantsFocusFlag),
      visible(other.visible), autosizeFlags(other.autosizeFlags), background(other.background)
{
    if (background)
        background->remember();
}

CView::~CView()
{
    if (background)
        background->forget();
}

void CView::draw(CDrawContext* context)
{
    if (background) {
        if (transparencyEnabled)
            background->drawTransparent(context, size, CPoint(0, 0));
        else
            background->draw(context, size, CPoint(0, 0));
    }
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect&)
{
    draw(context);
}

bool CView::checkUpdate(const CRect& update) const
{
    return update.rectOverlap(size);
}

bool CView::isDirty() const
{
    return dirty.load(std::memory_order_relaxed);
}

void CView::setDirty(bool state)
{
    dirty.store(state, std::memory_order_relaxed);
}

void CView::invalidRect(const CRect& rect)
{
    if (!attachedToParent || !visible)
        return;
    invalidateInParent(rect);
}

void CView::invalidateInParent(const CRect& rect)
{
    if (parentView)
        parentView->invalidRect(rect);
    else if (parentFrame)
        parentFrame->invalidRect(rect);
}

void CView::invalid()
{
    setDirty(false);
    invalidRect(size);
}

void CView::setVisible(bool state)
{
    if (visible == state)
        return;
    visible = state;
    setDirty(true);
}

CMouseEventResult CView::onMouseDown(const CPoint&, CButtonState)
{
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseUp(const CPoint&, CButtonState)
{
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseMoved(const CPoint&, CButtonState)
{
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseEntered(const CPoint&, CButtonState)
{
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseExited(const CPoint&, CButtonState)
{
    return kMouseEventNotImplemented;
}

bool CView::hitTest(const CPoint& where, CButtonState)
{
    return mouseableArea.pointInside(where);
}

bool CView::onWheel(const CPoint& where, CMouseWheelAxis axis, float distance, CButtonState buttons)
{
    return onWheel(where, axis == kMouseWheelAxisX ? -distance : distance, buttons);
}

bool CView::onWheel(const CPoint&, float, CButtonState)
{
    return false;
}

void CView::setMouseEnabled(bool enabled)
{
    mouseEnabled = enabled;
}

bool CView::getMouseEnabled() const
{
    return mouseEnabled;
}

void CView::setMouseableArea(const CRect& rect)
{
    mouseableArea = rect;
}

const CRect& CView::getMouseableArea() const
{
    return mouseableArea;
}

CRect& CView::getMouseableArea(CRect& rect) const
{
    rect = mouseableArea;
    return rect;
}

bool CView::onDrop(CDragContainer*, const CPoint&)
{
    return false;
}

void CView::onDragEnter(CDragContainer*, const CPoint&)
{}

void CView::onDragLeave(CDragContainer*, const CPoint&)
{}

void CView::onDragMove(CDragContainer*, const CPoint&)
{}

int32_t CView::onKeyDown(VstKeyCode&)
{
    return -1;
}

int32_t CView::onKeyUp(VstKeyCode&)
{
    return -1;
}

void CView::setViewSize(const CRect& rect, bool invalid)
{
    size = rect;
    if (invalid)
        setDirty(true);
}

const CRect& CView::getViewSize() const
{
    return size;
}

CRect& CView::getViewSize(CRect& rect) const
{
    rect = size;
    return rect;
}

CRect CView::getVisibleSize() const
{
    if (parentView && parentView->isTypeOf("CViewContainer"))
        return static_cast<const CViewContainer*>(parentView)->getVisibleSize(size);
    return size;
}

void CView::parentSizeChanged()
{}

CPoint& CView::frameToLocal(CPoint& point) const
{
    if (parentView && parentView->isTypeOf("CViewContainer"))
        return parentView->frameToLocal(point);
    return point;
}

CPoint& CView::localToFrame(CPoint& point) const
{
    if (parentView && parentView->isTypeOf("CViewContainer"))
        return parentView->localToFrame(point);
    return point;
}

void CView::setAutosizeFlags(int32_t flags)
{
    autosizeFlags = flags;
}

int32_t CView::getAutosizeFlags() const
{
    return autosizeFlags;
}

void CView::looseFocus()
{}

void CView::takeFocus()
{}

bool CView::wantsFocus() const
{
    return wantsFocusFlag;
}

void CView::setWantsFocus(bool state)
{
    wantsFocusFlag = state;
}

void CView::setBackground(CBitmap* bitmap)
{
    // Remember first: the new bitmap may be the one already held.
    if (bitmap)
        bitmap->remember();
    if (background)
        background->forget();
    background = bitmap;
    setDirty(true);
}

CBitmap* CView::getBackground() const
{
    return background;
}

void CView::setTransparency(bool state)
{
    transparencyEnabled = state;
}

bool CView::getTransparency() const
{
    return transparencyEnabled;
}

bool CView::removed(CView*)
{
    if (!attachedToParent)
        return false;
    parentView = nullptr;
    parentFrame = nullptr;
    attachedToParent = false;
    return true;
}

bool CView::attached(CView* parent)
{
    if (attachedToParent)
        return false;
    parentView = parent;
    parentFrame = parent ? parent->getFrame() : nullptr;
    attachedToParent = true;
    return true;
}

GUIEditorInterface* CView::getEditor() const
{
    return parentFrame ? parentFrame->getEditor() : nullptr;
}

bool CView::isTypeOf(const char* type) const
{
    return type && std::strcmp(type, "CView") == 0;
}

CView* CView::newCopy() const
{
    return new CView(*this);
}

bool CView::isOpaque() const
{
    return false;
}

} // namespace gui
