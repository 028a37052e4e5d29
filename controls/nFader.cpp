// The gain fader's values and gestures: the law between cap and value, fine
// mode through its FineWindow, dragging and the reset click.
#include "controls/nFader.h"

#include <cmath>
#include <cstdlib>

#include "controls/CDIB.h"
#include "controls/TextLooks.h"
#include "rules/GainLaw.h"
#include "view/CControlListener.h"

namespace {

constexpr int32_t kCapHalfHeight = 29;
// How far above or below the cap a press still grabs it.
constexpr int32_t kGrabSlack = 2;
// Shift drags this much finer.
constexpr float kShiftFactor = 0.1f;

} // namespace

nFader::nFader(const gui::CRect& size, int32_t tag, gui::CControlListener* listener, int32_t capId,
               int32_t maskId, int32_t meterStripId, CDIB* smallDigits, CDIB* background,
               float initialValue)
    : nControl(size, listener, tag, background, initialValue), cap(new CDIB(capId)),
      capMask(new CDIB(maskId)), meterStrip(new CDIB(meterStripId)),
      font(smallDigits, kSmallDigitFont.cellWidth, kSmallDigitFont.glyphHeight,
           kSmallDigitFont.spacing),
      stripRowBytes(meterStrip->getWidth() * 4), stripOpaque(allPixelsOpaque(*meterStrip))
{
    resetValue = 0.5f;
    setValue(initialValue);
}

nFader::~nFader() = default;

float nFader::positionToLevel(float p) const
{
    return FaderLaw::positionToLevel(p);
}

float nFader::levelToPosition(float r) const
{
    return FaderLaw::levelToPosition(r);
}

void nFader::setPosition(float p)
{
    position.store(p, std::memory_order_relaxed);
    value.store(p != 0.0f ? normalizedFromLevel(positionToLevel(p)) : 0.0f,
                std::memory_order_relaxed);
}

void nFader::setValue(float x)
{
    if (isFineMode()) {
        const float v = value.load(std::memory_order_relaxed);
        const int32_t rangeIndex = fine.rangeWord();
        if (!(x > 0.0f)) {
            // Gain 0 (automation, or "-inf" typed): the cap goes to the
            // bottom; the idle step turns fine mode on again once the gain
            // rises above 0.
            setFineMode(false, rangeIndex);
            value.store(x, std::memory_order_relaxed);
        } else if (!(v > 0.0f) || !fine.follow(x, v)) {
            // Outside the window (and a window around 0 holds no other
            // value): open one around x.
            recentreFineWindow(x, rangeIndex);
        }
    } else {
        value.store(x, std::memory_order_relaxed);
    }
    position.store(levelToPosition(levelFromNormalized(value.load(std::memory_order_relaxed))),
                   std::memory_order_relaxed);
}

void nFader::recentreFineWindow(float x, int32_t rangeIndex)
{
    setFineMode(false, rangeIndex);
    value.store(x, std::memory_order_relaxed);
    setFineMode(true, rangeIndex);
}

float nFader::getValue() const
{
    return fine.effectiveValue(value.load(std::memory_order_relaxed));
}

void nFader::setFineMode(bool on, int32_t rangeIndex)
{
    if (rangeIndex != fine.rangeWord() && on) {
        // A new range: the effective value becomes the plain value first.
        fine.shut(fine.rangeWord());
        setValue(getValue());
    }
    if (on == isFineMode())
        return;
    if (on) {
        fine.open(value.load(std::memory_order_relaxed), rangeIndex);
    } else {
        fine.shut(rangeIndex);
        setValue(getValue());
        fine.recentre();
    }
    setDirty(true);
}

float nFader::capPlace() const
{
    return isFineMode() ? fine.place() : position.load(std::memory_order_relaxed);
}

int32_t nFader::capTopFor(float place) const
{
    // Values from outside 0..1 (or NaN) keep the cap on its travel.
    const float onTravel = place > 1.0f ? 1.0f : place >= 0.0f ? place : 0.0f;
    return int32_t((1.0f - onTravel) * float(travel));
}

gui::CMouseEventResult nFader::onMouseDown(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (!hits(where, kCapLeft))
        return gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    if (buttons & kResetButtons) {
        nControl::beginEdit();
        if (isFineMode())
            fine.centre();
        else
            setValue(resetValue);
        if (listener)
            listener->valueChanged(this);
        if (isDirty())
            invalid();
        nControl::endEdit();
        return gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    lastDragY = where.y - top;
    const int32_t capTop = capTopFor(capPlace());
    if (std::abs(kCapHalfHeight + capTop - lastDragY) > kCapHalfHeight + kGrabSlack)
        return gui::kMouseEventHandled;
    dragStart = capPlace();
    beginDrag();
    return gui::kMouseEventHandled;
}

gui::CMouseEventResult nFader::onMouseMoved(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (!isDragging())
        return gui::kMouseEventHandled;
    previousDragY = lastDragY;
    lastDragY = where.y - top;
    float change = -float(lastDragY - previousDragY) / float(travel);
    if (buttons & gui::kShift)
        change *= kShiftFactor;
    if (isFineMode())
        fine.move(change);
    else
        setPosition(clampUnit(position.load(std::memory_order_relaxed) + change));
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return gui::kMouseEventHandled;
}

gui::CMouseEventResult nFader::onMouseUp(const gui::CPoint&, gui::CButtonState)
{
    if (!isDragging())
        return gui::kMouseEventHandled;
    const float span = float(travel);
    endDrag(int32_t((1.0f - capPlace()) * span - (1.0f - dragStart) * span));
    return gui::kMouseEventHandled;
}
