#include "view/CControl.h"

#include <algorithm>
#include <cstring>

#include "view/CControlListener.h"
#include "view/CFrame.h"
#include "view/DoubleClickTime.h"

namespace gui {

namespace {

constexpr int32_t kMinDoubleClickTime = 250;

} // namespace

CControl::CControl(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), listener(listener), tag(tag),
      delta(std::max(kMinDoubleClickTime, systemDoubleClickTime()))
{
    // Taking the background marks the new control dirty, so it is drawn on
    // the first idle.
    setBackground(background);
}

CControl::CControl(const CControl& other)
    : CView(other), listener(other.listener), tag(other.tag),
      oldValue(other.oldValue.load(std::memory_order_relaxed)), defaultValue(other.defaultValue),
      value(other.value.load(std::memory_order_relaxed)), vmin(other.vmin), vmax(other.vmax),
      wheelInc(other.wheelInc), lastTicks(other.lastTicks), delta(other.delta),
      backOffset(other.backOffset)
{}

bool CControl::isDirty() const
{
    // Written as a negated equality so that a NaN on either side counts as a
    // difference.
    const bool valueChanged =
        !(oldValue.load(std::memory_order_relaxed) == value.load(std::memory_order_relaxed));
    return valueChanged || CView::isDirty();
}

void CControl::setDirty(bool state)
{
    CView::setDirty(state);
    const float current = value.load(std::memory_order_relaxed);
    if (state)
        oldValue.store(current == -1.0f ? 0.0f : -1.0f, std::memory_order_relaxed);
    else
        oldValue.store(current, std::memory_order_relaxed);
}

bool CControl::isTypeOf(const char* type) const
{
    return (type && std::strcmp(type, "CControl") == 0) || CView::isTypeOf(type);
}

void CControl::doIdleStuff()
{
    if (parentFrame)
        parentFrame->doIdleStuff();
}

void CControl::setValue(float newValue)
{
    value.store(newValue, std::memory_order_relaxed);
}

float CControl::getValue() const
{
    return value.load(std::memory_order_relaxed);
}

void CControl::setMin(float newMin)
{
    vmin = newMin;
}

float CControl::getMin() const
{
    return vmin;
}

void CControl::setMax(float newMax)
{
    vmax = newMax;
}

float CControl::getMax() const
{
    return vmax;
}

void CControl::setOldValue(float newOldValue)
{
    oldValue.store(newOldValue, std::memory_order_relaxed);
}

float CControl::getOldValue() const
{
    return oldValue.load(std::memory_order_relaxed);
}

void CControl::setDefaultValue(float newDefault)
{
    defaultValue = newDefault;
}

float CControl::getDefaultValue() const
{
    return defaultValue;
}

void CControl::bounceValue()
{
    const float current = value.load(std::memory_order_relaxed);
    if (current > vmax)
        value.store(vmax, std::memory_order_relaxed);
    else if (current < vmin)
        value.store(vmin, std::memory_order_relaxed);
}

bool CControl::checkDefaultValue(CButtonState buttons)
{
    if (buttons != (kControl | kLButton))
        return false;
    beginEdit();
    setValue(getDefaultValue());
    if (isDirty() && listener)
        listener->valueChanged(this);
    endEdit();
    return true;
}

void CControl::setTag(int32_t newTag)
{
    tag = newTag;
}

int32_t CControl::getTag() const
{
    return tag;
}

void CControl::beginEdit()
{
    if (listener)
        listener->controlBeginEdit(this);
    if (parentFrame) {
        parentFrame->setFocusView(this);
        parentFrame->beginEdit(tag);
    }
}

void CControl::endEdit()
{
    if (parentFrame)
        parentFrame->endEdit(tag);
    if (listener)
        listener->controlEndEdit(this);
}

CControlListener* CControl::getListener() const
{
    return listener;
}

void CControl::setListener(CControlListener* newListener)
{
    listener = newListener;
}

void CControl::setBackOffset(const CPoint& offset)
{
    backOffset = offset;
}

void CControl::copyBackOffset()
{
    backOffset = size.topLeft();
}

void CControl::setWheelInc(float increment)
{
    wheelInc = increment;
}

float CControl::getWheelInc() const
{
    return wheelInc;
}

} // namespace gui
