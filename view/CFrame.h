#pragma once

#include <atomic>
#include <memory>

#include "view/CViewContainer.h"
#include "view/NativeTextEntry.h"
#include "view/PlatformWindow.h"
#include "view/PlatformWindowListener.h"

namespace gui {

class GUIEditorInterface;

// The root container of the editor, living in a native child window of the
// host's window. It is its own frame and attached from birth. It turns the
// window's mouse, wheel and paint calls into view calls, keeps the focus,
// modal and mouse-over views, passes the begin and end of a control's edit to
// the editor (and so to the host), redraws dirty views at idle time and makes
// the text entry windows that text fields open over themselves. Without a
// parent window no native window exists: the frame then paints nothing and
// opens no text entry.
class CFrame : public CViewContainer, private PlatformWindowListener {
public:
    CFrame(const CRect& size, void* parentWindow, GUIEditorInterface* editor);
    ~CFrame() override;

    using CViewContainer::onWheel;

    // CView and CViewContainer operations the frame overrides.
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& update) override;
    void invalidRect(const CRect& rect) override;
    void invalid() override;
    CMouseEventResult onMouseDown(const CPoint& where, CButtonState buttons) override;
    CMouseEventResult onMouseMoved(const CPoint& where, CButtonState buttons) override;
    CMouseEventResult onMouseExited(const CPoint& where, CButtonState buttons) override;
    bool onWheel(const CPoint& where, CMouseWheelAxis axis, float distance,
                 CButtonState buttons) override;
    int32_t onKeyDown(VstKeyCode& key) override;
    int32_t onKeyUp(VstKeyCode& key) override;
    GUIEditorInterface* getEditor() const override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override;
    bool removeView(CView* view, bool withForget = true) override;
    bool removeAll(bool withForget = true) override;
    bool advanceNextFocusView(CView* oldFocus, bool reverse = false) override;

    // Operations of the frame, in slot order.
    virtual bool isOpen() const;
    // Turns dirty marks into window invalidations (and on Linux pumps the
    // window's events and paints).
    virtual void idle();
    virtual void doIdleStuff();
    // The system's millisecond tick count.
    virtual uint32_t getTicks() const;
    virtual int32_t getKnobMode() const;
    virtual bool setPosition(int32_t x, int32_t y);
    // The position of the window that holds the editor, relative to its parent.
    virtual bool getPosition(int32_t& x, int32_t& y) const;
    virtual bool setSize(int32_t width, int32_t height);
    // The rectangle of the host window around the frame's window.
    virtual bool getSize(CRect& rect) const;
    virtual bool getSize(CRect* rect) const;
    virtual bool setModalView(CView* view);
    virtual CView* getModalView() const;
    virtual void beginEdit(int32_t index);
    virtual void endEdit(int32_t index);
    // The pointer relative to the frame's window.
    virtual bool getCurrentMouseLocation(CPoint& where) const;
    virtual CButtonState getCurrentMouseButtons() const;
    virtual void setCursor(CCursorType type);
    // Moves the keyboard focus; the old focus view is told through looseFocus.
    virtual void setFocusView(CView* view);
    virtual CView* getFocusView() const;
    // Forgets every reference the frame keeps to a view leaving the tree.
    virtual void onViewRemoved(CView* view);
    virtual void setOpenFlag(bool state);
    virtual bool getOpenFlag() const;
    // Marks dirty every child that overlaps the rectangle.
    virtual void invalidate(const CRect& rect);
    // Opens a text entry over a field, or none when it cannot be made.
    virtual std::unique_ptr<NativeTextEntry>
    createTextEntry(const NativeTextEntry::Settings& settings, NativeTextEntry::Listener& listener);

    // Counts the pointer's moves, presses, releases and leaving that reach
    // the frame: views whose picture follows the pointer compare it with the
    // count at their last draw instead of asking where the pointer is.
    uint32_t getPointerEventCount() const { return pointerEvents.load(std::memory_order_relaxed); }
    // Counts the areas the window had painted: an idle that drew nothing
    // leaves it as it was.
    uint32_t getPaintCount() const { return paints.load(std::memory_order_relaxed); }

    // A new counted drawing context on the frame's window.
    CDrawContext* createDrawContext();
    // The native window, or none.
    PlatformWindow* getPlatformWindow() const { return window.get(); }
    // True while the frame handles its window's input, paint or idle, or a
    // key: it must not be destroyed before that has returned.
    bool isDispatching() const { return dispatchDepth > 0; }

    // Counts one dispatch of the frame for as long as it lives; also held by
    // views whose native child windows report to them directly.
    class DispatchScope {
    public:
        explicit DispatchScope(CFrame& frame) : frame(frame) { ++frame.dispatchDepth; }
        ~DispatchScope() { --frame.dispatchDepth; }
        DispatchScope(const DispatchScope&) = delete;
        DispatchScope& operator=(const DispatchScope&) = delete;

    private:
        CFrame& frame;
    };

protected:
    GUIEditorInterface* editor = nullptr;
    void* parentWindow = nullptr;
    CView* modalView = nullptr;
    CView* focusView = nullptr;
    CView* mouseOverView = nullptr;
    bool firstDraw = true;
    bool open = true;
    bool mouseInside = false;

private:
    CMouseEventResult windowMouseDown(CPoint where, CButtonState buttons) override;
    void windowMouseUp(CPoint where, CButtonState buttons) override;
    void windowMouseMoved(CPoint where, CButtonState buttons) override;
    void windowMouseExited(CPoint where, CButtonState buttons) override;
    void windowWheel(CPoint where, CMouseWheelAxis axis, float distance,
                     CButtonState buttons) override;
    void windowInputDelivered() override;
    void windowPaint(void* device, const CRect& update) override;
    void windowDeviceReplaced() override;
    void windowDestroyed() override;

    void notifyEnclosing(CView* view, const char* message);

    int32_t dispatchDepth = 0;

    std::unique_ptr<PlatformWindow> window;
    std::atomic<uint32_t> pointerEvents{0};
    std::atomic<uint32_t> paints{0};
    // The context of the window's paints, kept from one paint to the next so
    // that a steady idle allocates nothing; none until the first paint.
    CDrawContext* paintContext = nullptr;
};

} // namespace gui
