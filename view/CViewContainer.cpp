#include "view/CViewContainer.h"

#include "view/CBitmap.h"
#include "view/CControl.h"
#include "view/CControlListener.h"
#include "view/CFrame.h"
#include "view/COffscreenContext.h"

#include <algorithm>
#include <cstring>

namespace gui {

namespace {

// Right button or any modifier in the low byte of the button set: such a
// click is first offered to the control's listener.
constexpr CButtonState kModifierClickMask = 0xF8;

bool isContainer(const CView* view)
{
    return view->isTypeOf("CViewContainer");
}

} // namespace

CViewContainer::CViewContainer(const CRect& size, CBitmap* background) : CView(size)
{
    setBackground(background);
}

CViewContainer::CViewContainer(const CViewContainer& other)
    : CView(other),
      backgroundColor(other.backgroundColor),
      backgroundOffset(other.backgroundOffset),
      drawInOffscreen(other.drawInOffscreen)
{
    for (CView* child : other.children) {
        // The copy holds each child copy as a creator-added child: count 2.
        if (CView* copy = child->newCopy())
            addView(copy);
    }
}

CViewContainer::~CViewContainer()
{
    removeAll(true);
    if (offscreen)
        offscreen->forget();
}

CPoint CViewContainer::toLocal(const CPoint& where) const
{
    return where - size.topLeft();
}

CMessageResult CViewContainer::notify(CBaseObject* sender, const char* message)
{
    if (message == kMsgCheckIfViewContainer)
        return kMessageNotified;
    return CView::notify(sender, message);
}

void CViewContainer::draw(CDrawContext* context)
{
    drawRect(context, size);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& update)
{
    if (drawInOffscreen && !offscreen)
        offscreen = new COffscreenContext(parentFrame, size.width(), size.height(), kBlackCColor);

    CDrawContext* target = offscreen ? offscreen : context;
    const CPoint savedOffset = context->getOffset();
    const CPoint savedScreenOffset = context->getScreenOffset();
    if (!offscreen) {
        context->setOffset(savedOffset + size.topLeft());
        context->setScreenOffset(savedScreenOffset + size.topLeft());
    }

    CRect updateRect = update;
    updateRect.bound(size);
    CRect clientRect = updateRect;
    clientRect.offset(-size.left, -size.top);

    CRect oldClip;
    target->getClipRect(oldClip);
    if (offscreen && static_cast<CView*>(parentFrame) != this)
        oldClip.moveTo(0, 0);
    CRect newClip = clientRect;
    newClip.bound(oldClip);
    target->setClipRect(newClip);

    drawBackgroundRect(target, clientRect);

    for (CView* child : children) {
        if (!checkUpdateRect(child, clientRect))
            continue;
        CRect childClip = child->getViewSize();
        childClip.bound(newClip);
        if (childClip.isEmpty())
            continue;
        target->setClipRect(childClip);
        child->drawRect(target, clientRect);
    }

    target->setClipRect(oldClip);
    if (offscreen) {
        offscreen->getBitmap()->draw(context, updateRect, clientRect.topLeft());
    } else {
        context->setOffset(savedOffset);
        context->setScreenOffset(savedScreenOffset);
    }
    setDirty(false);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& rect)
{
    if (background) {
        CRect oldClip;
        context->getClipRect(oldClip);
        CRect clip = rect;
        clip.bound(oldClip);
        context->setClipRect(clip);
        const CRect whole(0, 0, background->getWidth(), background->getHeight());
        if (transparencyEnabled)
            background->drawTransparent(context, whole, backgroundOffset);
        else
            background->draw(context, whole, backgroundOffset);
        context->setClipRect(oldClip);
    } else if (!transparencyEnabled || backgroundColor.alpha != 255) {
        context->setFillColor(backgroundColor);
        context->setFrameColor(backgroundColor);
        context->drawRect(CRect(0, 0, size.width(), size.height()), kDrawFilledAndStroked);
    }
}

bool CViewContainer::isDirty() const
{
    if (CView::isDirty())
        return true;
    const CRect inside(0, 0, size.width(), size.height());
    for (CView* child : children) {
        if (!child->isDirty())
            continue;
        CRect shown = child->getViewSize();
        shown.bound(inside);
        if (!shown.isEmpty())
            return true;
    }
    return false;
}

void CViewContainer::invalidRect(const CRect& rect)
{
    if (!visible)
        return;
    CRect r = rect;
    r.offset(size.left, size.top);
    r.bound(size);
    if (r.isEmpty())
        return;
    if (parentView)
        parentView->invalidRect(r);
    else if (parentFrame)
        parentFrame->invalidRect(r);
}

void CViewContainer::invalid()
{
    setDirty(false);
    if (!visible)
        return;
    if (parentView)
        parentView->invalidRect(size);
    else if (parentFrame)
        parentFrame->invalidRect(size);
}

bool CViewContainer::invalidateDirtyViews()
{
    if (!visible)
        return true;
    if (CView::isDirty()) {
        if (parentView)
            parentView->invalidRect(size);
        else if (parentFrame)
            parentFrame->invalidRect(size);
        return true;
    }
    for (CView* child : children) {
        if (!child->isDirty() || !child->isVisible())
            continue;
        if (isContainer(child))
            static_cast<CViewContainer*>(child)->invalidateDirtyViews();
        else
            child->invalid();
    }
    return true;
}

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

void CViewContainer::setViewSize(const CRect& rect, bool invalid)
{
    CView::setViewSize(rect, invalid);
    // The offscreen has the old size; the next draw makes a new one.
    if (offscreen) {
        offscreen->forget();
        offscreen = nullptr;
    }
}

void CViewContainer::parentSizeChanged()
{
    for (CView* child : children)
        child->parentSizeChanged();
}

CPoint& CViewContainer::frameToLocal(CPoint& point) const
{
    point -= size.topLeft();
    return CView::frameToLocal(point);
}

CPoint& CViewContainer::localToFrame(CPoint& point) const
{
    point += size.topLeft();
    return CView::localToFrame(point);
}

void CViewContainer::looseFocus()
{
    for (CView* child : children)
        child->looseFocus();
}

void CViewContainer::takeFocus()
{
    for (CView* child : children)
        child->takeFocus();
}

bool CViewContainer::advanceNextFocusView(CView* oldFocus, bool reverse)
{
    auto visit = [&](auto first, auto last) {
        auto start = first;
        if (oldFocus) {
            auto found = std::find(first, last, oldFocus);
            if (found != last)
                start = std::next(found);
        }
        for (auto it = start; it != last; ++it) {
            CView* child = *it;
            if (isContainer(child)) {
                if (static_cast<CViewContainer*>(child)->advanceNextFocusView(nullptr, reverse))
                    return true;
            } else if (child->wantsFocus()) {
                if (parentFrame)
                    parentFrame->setFocusView(child);
                child->takeFocus();
                return true;
            }
        }
        return false;
    };
    return reverse ? visit(children.rbegin(), children.rend()) : visit(children.begin(), children.end());
}

bool CViewContainer::removed(CView* parent)
{
    if (offscreen) {
        offscreen->forget();
        offscreen = nullptr;
    }
    // Views deeper in the tree leave the frame too: it must not keep them.
    if (parentFrame && static_cast<CView*>(parentFrame) != this) {
        for (CView* child : children)
            parentFrame->onViewRemoved(child);
    }
    parentFrame = nullptr;
    for (CView* child : children)
        child->removed(this);
    return CView::removed(parent);
}

bool CViewContainer::attached(CView* parent)
{
    if (attachedToParent)
        return false;
    if (drawInOffscreen && !offscreen)
        offscreen = new COffscreenContext(parent ? parent->getFrame() : nullptr, size.width(),
                                          size.height(), kBlackCColor);
    parentFrame = parent ? parent->getFrame() : nullptr;
    for (CView* child : children)
        child->attached(this);
    return CView::attached(parent);
}

bool CViewContainer::isTypeOf(const char* type) const
{
    return (type && std::strcmp(type, "CViewContainer") == 0) || CView::isTypeOf(type);
}

CView* CViewContainer::newCopy() const
{
    return new CViewContainer(*this);
}

bool CViewContainer::addView(CView* view)
{
    if (!view || view->isAttached() || isChild(view))
        return false;
    children.push_back(view);
    view->remember();
    if (attachedToParent) {
        view->attached(this);
        view->invalid();
    }
    return true;
}

bool CViewContainer::addView(CView* view, CView* before)
{
    auto position = std::find(children.begin(), children.end(), before);
    if (position == children.end())
        return addView(view);
    if (!view || view->isAttached() || isChild(view))
        return false;
    children.insert(position, view);
    view->remember();
    if (attachedToParent) {
        view->attached(this);
        view->invalid();
    }
    return true;
}

bool CViewContainer::addView(CView* view, const CRect& mouseableArea, bool mouseEnabled)
{
    if (!addView(view))
        return false;
    view->setMouseEnabled(mouseEnabled);
    view->setMouseableArea(mouseableArea);
    return true;
}

void CViewContainer::unlink(std::list<CView*>::iterator node, bool withForget)
{
    CView* view = *node;
    if (mouseDownView == view)
        mouseDownView = nullptr;
    if (currentDragView == view)
        currentDragView = nullptr;
    children.erase(node);
    if (withForget)
        view->forget();
    view->forget();
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto node = std::find(children.begin(), children.end(), view);
    if (node == children.end())
        return false;
    view->invalid();
    if (parentFrame)
        parentFrame->onViewRemoved(view);
    if (attachedToParent)
        view->removed(this);
    unlink(node, withForget);
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    while (!children.empty()) {
        CView* view = children.front();
        if (parentFrame)
            parentFrame->onViewRemoved(view);
        if (attachedToParent)
            view->removed(this);
        unlink(children.begin(), withForget);
    }
    return true;
}

bool CViewContainer::isChild(CView* view) const
{
    return std::find(children.begin(), children.end(), view) != children.end();
}

int32_t CViewContainer::getNbViews() const
{
    return static_cast<int32_t>(children.size());
}

CView* CViewContainer::getView(int32_t index) const
{
    if (index < 0 || index >= getNbViews())
        return nullptr;
    return *std::next(children.begin(), index);
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
    backgroundColor = color;
    setDirty(true);
}

CColor CViewContainer::getBackgroundColor() const
{
    return backgroundColor;
}

void CViewContainer::setBackgroundOffset(const CPoint& offset)
{
    backgroundOffset = offset;
}

const CPoint& CViewContainer::getBackgroundOffset() const
{
    return backgroundOffset;
}

void CViewContainer::useOffscreen(bool state)
{
    drawInOffscreen = state;
    if (!state && offscreen) {
        offscreen->forget();
        offscreen = nullptr;
    }
}

CRect CViewContainer::getVisibleSize(const CRect& rect) const
{
    CRect shown(0, 0, size.width(), size.height());
    if (parentView && isContainer(parentView)) {
        shown = static_cast<const CViewContainer*>(parentView)->getVisibleSize(size);
        shown.offset(-size.left, -size.top);
    }
    CRect result = rect;
    return result.bound(shown);
}

bool CViewContainer::checkUpdateRect(CView* view, const CRect& rect)
{
    return view->checkUpdate(rect) && view->isVisible();
}

} // namespace gui
