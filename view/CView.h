#pragma once

#include <atomic>

#include "host/PluginInterface.h"
#include "view/CBaseObject.h"
#include "view/CRect.h"
#include "view/MouseEvents.h"

namespace gui {

class CBitmap;
class CDragContainer;
class CDrawContext;
class CFrame;
class GUIEditorInterface;

// A rectangle of the editor's retained view tree. A view draws itself into a
// drawing context, takes mouse, wheel and key events from its container and
// marks itself dirty when it must be redrawn; the frame turns dirty marks into
// window invalidations at idle time.
//
// The virtual operations are declared in a fixed order that subclasses rely
// on; new operations go after the last one.
class CView : public CBaseObject {
public:
    explicit CView(const CRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& update);
    virtual bool checkUpdate(const CRect& update) const;
    virtual bool isDirty() const;
    virtual void setDirty(bool state = true);
    virtual void invalidRect(const CRect& rect);
    virtual void invalid();
    virtual void setVisible(bool state);

    virtual CMouseEventResult onMouseDown(const CPoint& where, CButtonState buttons);
    virtual CMouseEventResult onMouseUp(const CPoint& where, CButtonState buttons);
    virtual CMouseEventResult onMouseMoved(const CPoint& where, CButtonState buttons);
    virtual CMouseEventResult onMouseEntered(const CPoint& where, CButtonState buttons);
    virtual CMouseEventResult onMouseExited(const CPoint& where, CButtonState buttons);
    virtual bool hitTest(const CPoint& where, CButtonState buttons);
    virtual bool onWheel(const CPoint& where, CMouseWheelAxis axis, float distance,
                         CButtonState buttons);
    virtual bool onWheel(const CPoint& where, float distance, CButtonState buttons);

    virtual void setMouseEnabled(bool enabled);
    virtual bool getMouseEnabled() const;
    virtual void setMouseableArea(const CRect& rect);
    virtual const CRect& getMouseableArea() const;
    virtual CRect& getMouseableArea(CRect& rect) const;

    virtual bool onDrop(CDragContainer* drag, const CPoint& where);
    virtual void onDragEnter(CDragContainer* drag, const CPoint& where);
    virtual void onDragLeave(CDragContainer* drag, const CPoint& where);
    virtual void onDragMove(CDragContainer* drag, const CPoint& where);

    // Key handlers answer -1 when they did not handle the key.
    virtual int32_t onKeyDown(VstKeyCode& key);
    virtual int32_t onKeyUp(VstKeyCode& key);

    // Stores the size; the mouseable area stays as it is.
    virtual void setViewSize(const CRect& rect, bool invalid = true);
    virtual const CRect& getViewSize() const;
    virtual CRect& getViewSize(CRect& rect) const;
    // The part of the view that its enclosing containers leave visible, in
    // the coordinates of the view's container.
    virtual CRect getVisibleSize() const;
    virtual void parentSizeChanged();
    virtual CPoint& frameToLocal(CPoint& point) const;
    virtual CPoint& localToFrame(CPoint& point) const;
    virtual void setAutosizeFlags(int32_t flags);
    virtual int32_t getAutosizeFlags() const;

    virtual void looseFocus();
    virtual void takeFocus();
    virtual bool wantsFocus() const;
    virtual void setWantsFocus(bool state);

    virtual void setBackground(CBitmap* bitmap);
    virtual CBitmap* getBackground() const;
    virtual void setTransparency(bool state);
    virtual bool getTransparency() const;

    // Detach from and attach to a container; false when already in that state.
    virtual bool removed(CView* parent);
    virtual bool attached(CView* parent);

    virtual GUIEditorInterface* getEditor() const;
    // True for the class's own name and the names of all its bases.
    virtual bool isTypeOf(const char* type) const;
    // A detached copy of the view, or none for views that are not copied.
    virtual CView* newCopy() const;
    // True when every draw covers the whole view rectangle with opaque pixels,
    // so its container need not paint its background beneath it.
    virtual bool isOpaque() const;

    bool isVisible() const { return visible; }
    bool isAttached() const { return attachedToParent; }
    CFrame* getFrame() const { return parentFrame; }
    CView* getParentView() const { return parentView; }

protected:
    // Copies every field except the tree links: a copy starts detached.
    CView(const CView& other);

    // Hands a rectangle in the parent's coordinates to the parent, or to the
    // frame when this view sits directly in it.
    void invalidateInParent(const CRect& rect);

    CRect size;
    CRect mouseableArea;
    CFrame* parentFrame = nullptr;
    CView* parentView = nullptr;
    // Set from the host's parameter thread as well as the window thread.
    std::atomic<bool> dirty{false};
    bool mouseEnabled = true;
    bool transparencyEnabled = false;
    bool wantsFocusFlag = false;
    bool attachedToParent = false;
    bool visible = true;
    int32_t autosizeFlags = 0;
    CBitmap* background = nullptr;
};

} // namespace gui
