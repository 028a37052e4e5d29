// CViewContainer's drawing and invalidation: children drawn in list order over
// the background (painted only where no opaque child covers it), through an
// optional offscreen, and dirty marks raised to the frame as rectangles.
#include "view/CBitmap.h"
#include "view/CFrame.h"
#include "view/COffscreenContext.h"
#include "view/CViewContainer.h"
#include "view/UncoveredArea.h"

namespace gui {

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

    // An opaque child's draw covers everything beneath it.
    UncoveredArea showing(clientRect);
    for (CView* child : children)
        if (child->isOpaque() && checkUpdateRect(child, clientRect))
            showing.cover(child->getViewSize());
    for (int32_t i = 0; i < showing.count(); ++i)
        drawBackgroundRect(target, showing[i]);

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
    if (!background && transparencyEnabled && backgroundColor.alpha == 255)
        return;
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip = rect;
    clip.bound(oldClip);
    context->setClipRect(clip);
    if (background) {
        const CRect whole(0, 0, background->getWidth(), background->getHeight());
        if (transparencyEnabled)
            background->drawTransparent(context, whole, backgroundOffset);
        else
            background->draw(context, whole, backgroundOffset);
    } else {
        context->setFillColor(backgroundColor);
        context->setFrameColor(backgroundColor);
        context->drawRect(CRect(0, 0, size.width(), size.height()), kDrawFilledAndStroked);
    }
    context->setClipRect(oldClip);
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
    invalidateInParent(r);
}

void CViewContainer::invalid()
{
    setDirty(false);
    if (!visible)
        return;
    invalidateInParent(size);
}

bool CViewContainer::invalidateDirtyViews()
{
    if (!visible)
        return true;
    if (CView::isDirty()) {
        invalidateInParent(size);
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
