// CViewContainer's tree: construction and copies, adding and removing
// children, attachment to a frame, coordinates, focus and background settings.
#include "view/CViewContainer.h"

#include <algorithm>
#include <cstring>

#include "view/CFrame.h"
#include "view/COffscreenContext.h"

namespace gui {

bool CViewContainer::isContainer(const CView* view)
{
    return view->isTypeOf("CViewContainer");
}

CViewContainer::CViewContainer(const CRect& size, CBitmap* background) : CView(size)
{
    setBackground(background);
}

CViewContainer::CViewContainer(const CViewContainer& other)
    : CView(other), backgroundColor(other.backgroundColor),
      backgroundOffset(other.backgroundOffset), drawInOffscreen(other.drawInOffscreen)
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
    return reverse ? visit(children.rbegin(), children.rend())
                   : visit(children.begin(), children.end());
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

} // namespace gui
