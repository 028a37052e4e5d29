#include "controls/nDial.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/CDIB.h"
#include "view/CControlListener.h"

namespace {

constexpr float kFullTurn = 360.0f;
constexpr float kArc = 270.0f;
constexpr float kArcStart = 45.0f;
constexpr double kTwoPi = 6.283185307179586;
// The knob's centre inside the control and the pointer's radius, in pixels;
// the dot is drawn from its kernel's top-left cell, half its size before
// its centre.
constexpr float kKnobCentre = 16.0f;
constexpr float kPointerRadius = 10.0f;
constexpr float kKernelHalf = 1.5f;
constexpr float kShiftFactor = 0.1f;

constexpr uint8_t kPointerKernel[3][3] = {
    {80, 192, 80},
    {192, 255, 192},
    {80, 192, 80},
};

} // namespace

nDial::nDial(const gui::CRect& size, gui::CControlListener* listener, int32_t tag, CDIB* background,
             float resetValue)
    : nControl(size, listener, tag, background, resetValue),
      centre((size.left + size.right) / 2, (size.top + size.bottom) / 2)
{
    setValue(resetValue);
}

void nDial::setValue(float newValue)
{
    position.store(newValue * kFullTurn, std::memory_order_relaxed);
}

float nDial::getValue() const
{
    return position.load(std::memory_order_relaxed) / kFullTurn;
}

void nDial::draw(gui::CDrawContext* context)
{
    picture.compose();
    const float degrees = getAngle() * kArc / kFullTurn + kArcStart;
    const double theta = double(degrees) * kTwoPi / 360.0;
    const float x = float(kKnobCentre - std::sin(theta) * kPointerRadius) - kKernelHalf;
    const float y = float(std::cos(theta) * kPointerRadius + kKnobCentre) - kKernelHalf;
    drawPointer(picture.getWork(), x, y);
    picture.present(context, isOpaque());
}

bool nDial::isOpaque() const
{
    return picture.covers(getViewSize());
}

void nDial::drawPointer(CDIB* image, float x, float y)
{
    static constexpr uint8_t kBlack[3] = {0, 0, 0};
    for (int32_t i = 0; i < 3; ++i) {
        for (int32_t j = 0; j < 3; ++j) {
            const float opacity = float(kPointerKernel[i][j]) / 255.0f;
            const float opacities[3] = {opacity, opacity, opacity};
            blendPoint(image, x + float(j), y + float(i), kBlack, opacities);
        }
    }
}

gui::CMouseEventResult nDial::onMouseDown(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (!hits(where))
        return gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    last = where;
    if (buttons & kResetButtons) {
        nControl::beginEdit();
        setValue(resetValue);
        if (listener)
            listener->valueChanged(this);
        nControl::endEdit();
        if (isDirty())
            invalid();
        return gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    beginDrag();
    return gui::kMouseEventHandled;
}

gui::CMouseEventResult nDial::onMouseMoved(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (!isDragging())
        return gui::kMouseEventHandled;
    const int32_t dx = where.x - last.x;
    const int32_t dy = where.y - last.y;
    // The larger movement wins; a tie counts as vertical. Up is clockwise.
    float change = float(std::abs(dx) > std::abs(dy) ? dx : -dy);
    if (buttons & gui::kShift)
        change *= kShiftFactor;
    position.store(std::min(kFullTurn, std::max(0.0f, getAngle() + change)),
                   std::memory_order_relaxed);
    last = where;
    if (listener)
        listener->valueChanged(this);
    setDirty(true);
    invalid();
    return gui::kMouseEventHandled;
}

gui::CMouseEventResult nDial::onMouseUp(const gui::CPoint&, gui::CButtonState)
{
    if (isDragging())
        endDrag(0);
    return gui::kMouseEventHandled;
}

void blendPoint(CDIB* image, float x, float y, const uint8_t color[3], const float opacity[3])
{
    uint8_t* pixels = image ? image->getPixels() : nullptr;
    if (!pixels)
        return;
    const float floorX = std::floor(x);
    const float floorY = std::floor(y);
    // Also refuses NaN and points far outside the image.
    if (!(floorX >= 0.0f && floorY >= 0.0f && floorX < float(image->getWidth() - 1) &&
          floorY < float(image->getHeight() - 1)))
        return;
    const int32_t tx = int32_t(floorX);
    const int32_t ty = int32_t(floorY);
    const float fx = x - floorX;
    const float fy = y - floorY;
    const float weights[4] = {(1.0f - fx) * (1.0f - fy), fx * (1.0f - fy), (1.0f - fx) * fy,
                              fx * fy};
    const int32_t rowBytes = image->getRowBytes();
    for (int32_t corner = 0; corner < 4; ++corner) {
        uint8_t* pixel = pixels + (ty + corner / 2) * rowBytes + (tx + corner % 2) * 4;
        const float w = weights[corner];
        // Buffer bytes are blue, green, red; the colour is red, green, blue.
        for (int32_t c = 0; c < 3; ++c) {
            uint8_t& d = pixel[2 - c];
            d = uint8_t(std::min(255.0f, (1.0f - w * opacity[c]) * float(d) + w * float(color[c])));
        }
    }
}
