// The frame and its native window: text entries, drawing contexts, and the
// window's input, paint and lifetime calls turned into frame calls.
#include "view/CDrawContext.h"
#include "view/CFrame.h"

namespace gui {

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

} // namespace gui
