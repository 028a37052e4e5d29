#include "controls/nControl.h"

#include "controls/CDIB.h"
#include "view/CFrame.h"
#include "view/CursorFunctions.h"
#include "view/PlatformWindow.h"

nControl::nControl(const gui::CRect& size, gui::CControlListener* listener, int32_t tag,
                   CDIB* background, float initialValue)
    : CControl(size, listener, tag, nullptr), picture(background, size), left(size.left),
      top(size.top), right(size.right), bottom(size.bottom), width(size.right - size.left),
      height(size.bottom - size.top), rowBytes(picture.getRowBytes()), position(initialValue),
      resetValue(initialValue)
{}

nControl::~nControl() = default;

gui::CView* nControl::newCopy() const
{
    return nullptr;
}

void nControl::setValue(float newValue)
{
    position.store(newValue, std::memory_order_relaxed);
}

float nControl::getValue() const
{
    return position.load(std::memory_order_relaxed);
}

void nControl::beginEdit()
{
    if (parentFrame)
        parentFrame->beginEdit(tag);
}

void nControl::endEdit()
{
    if (parentFrame)
        parentFrame->endEdit(tag);
}

bool nControl::hits(const gui::CPoint& where, int32_t leftInset) const
{
    return where.x >= left + leftInset && where.x <= right && where.y >= top && where.y <= bottom;
}

bool nControl::removed(gui::CView* parent)
{
    if (dragging)
        endGesture();
    return CControl::removed(parent);
}

void nControl::beginDrag()
{
    beginEdit();
    cursorSaved = gui::getCursorPosition(savedCursorX, savedCursorY);
    hidePointer(true);
    dragging = true;
}

void nControl::endDrag(int32_t cursorShiftY)
{
    if (cursorSaved)
        gui::setCursorPosition(savedCursorX, savedCursorY + cursorShiftY);
    endGesture();
}

void nControl::endGesture()
{
    dragging = false;
    hidePointer(false);
    endEdit();
}

void nControl::hidePointer(bool hide)
{
    gui::PlatformWindow* window = parentFrame ? parentFrame->getPlatformWindow() : nullptr;
    if (window)
        window->hidePointer(hide);
}
