// A view that holds other views; its operations are spread over
// CViewContainer.cpp (tree), CViewContainerDrawing.cpp and CViewContainerEvents.cpp.
#pragma once

#include <list>

#include "view/CColor.h"
#include "view/CView.h"

namespace gui {

class COffscreenContext;

// A view that holds other views. Children are drawn in list order (later ones
// lie on top) and hit-tested in reverse order; each child's coordinates are
// relative to the container's top-left corner. The container holds one
// reference to each child.
class CViewContainer : public CView {
public:
    explicit CViewContainer(const CRect& size, CBitmap* background = nullptr);
    ~CViewContainer() override;

    using CView::getVisibleSize;
    using CView::onWheel;

    // CView operations this class overrides.
    CMessageResult notify(CBaseObject* sender, const char* message) override;
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& update) override;
    bool isDirty() const override;
    void invalidRect(const CRect& rect) override;
    void invalid() override;
    CMouseEventResult onMouseDown(const CPoint& where, CButtonState buttons) override;
    CMouseEventResult onMouseUp(const CPoint& where, CButtonState buttons) override;
    CMouseEventResult onMouseMoved(const CPoint& where, CButtonState buttons) override;
    bool onWheel(const CPoint& where, CMouseWheelAxis axis, float distance,
                 CButtonState buttons) override;
    bool onWheel(const CPoint& where, float distance, CButtonState buttons) override;
    bool onDrop(CDragContainer* drag, const CPoint& where) override;
    void onDragEnter(CDragContainer* drag, const CPoint& where) override;
    void onDragLeave(CDragContainer* drag, const CPoint& where) override;
    void onDragMove(CDragContainer* drag, const CPoint& where) override;
    int32_t onKeyDown(VstKeyCode& key) override;
    int32_t onKeyUp(VstKeyCode& key) override;
    void setViewSize(const CRect& rect, bool invalid = true) override;
    void parentSizeChanged() override;
    CPoint& frameToLocal(CPoint& point) const override;
    CPoint& localToFrame(CPoint& point) const override;
    void looseFocus() override;
    void takeFocus() override;
    bool removed(CView* parent) override;
    bool attached(CView* parent) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override;

    // Operations of containers, in slot order.
    virtual bool addView(CView* view, CView* before);
    virtual bool addView(CView* view, const CRect& mouseableArea, bool mouseEnabled = true);
    virtual bool addView(CView* view);
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    virtual bool isChild(CView* view) const;
    virtual int32_t getNbViews() const;
    virtual CView* getView(int32_t index) const;
    virtual CView* getViewAt(const CPoint& where, bool deep = false) const;
    virtual CViewContainer* getContainerAt(const CPoint& where, bool deep = false);
    virtual void setBackgroundColor(const CColor& color);
    virtual CColor getBackgroundColor() const;
    virtual void setBackgroundOffset(const CPoint& offset);
    virtual const CPoint& getBackgroundOffset() const;
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& rect);
    virtual void useOffscreen(bool state);
    virtual bool advanceNextFocusView(CView* oldFocus, bool reverse = false);
    virtual bool invalidateDirtyViews();
    // A rectangle in this container's coordinates, bounded by what this
    // container and the enclosing ones let show.
    virtual CRect getVisibleSize(const CRect& rect) const;
    virtual bool checkUpdateRect(CView* view, const CRect& rect);
    virtual bool hitTestSubViews(const CPoint& where, CButtonState buttons);

protected:
    CViewContainer(const CViewContainer& other);

    static bool isContainer(const CView* view);

    CPoint toLocal(const CPoint& where) const;
    // Takes the child out of the list and releases the list's reference; the
    // caller has done the rest of the removal.
    void unlink(std::list<CView*>::iterator node, bool withForget);
    CView* childUnder(const CPoint& local) const;

    std::list<CView*> children;
    COffscreenContext* offscreen = nullptr;
    CColor backgroundColor = kBlackCColor;
    CPoint backgroundOffset;
    bool drawInOffscreen = false;
    CView* currentDragView = nullptr;
    CView* mouseDownView = nullptr;
};

} // namespace gui
