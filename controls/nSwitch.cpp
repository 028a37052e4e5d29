#include "controls/nSwitch.h"

#include "view/CBitmap.h"
#include "view/CControlListener.h"
#include "view/CFrame.h"

nSwitch::nSwitch(const gui::CRect& size, gui::CControlListener* listener, int32_t tag,
                 int32_t imageId, float initialValue)
    : CControl(size, listener, tag, nullptr),
      image(new gui::CBitmap(gui::CResourceDescription(imageId)))
{
    setValue(initialValue);
}

nSwitch::~nSwitch()
{
    image->forget();
}

void nSwitch::draw(gui::CDrawContext* context)
{
    const bool on = getValue() != 0.0f;
    const int32_t half = image->getWidth() / 2;
    const gui::CRect face(size.left, size.top, size.left + kFaceWidth, size.bottom);
    image->draw(context, face, gui::CPoint(on ? half : 0, 0));
    const gui::CRect lamp(size.left + kFaceWidth, size.top, size.right, size.bottom);
    const bool lit = on && !isLampDark();
    image->draw(context, lamp, gui::CPoint(lit ? half + kFaceWidth : kFaceWidth, 0));
}

gui::CMouseEventResult nSwitch::onMouseDown(const gui::CPoint&, gui::CButtonState)
{
    if (parentFrame)
        parentFrame->beginEdit(tag);
    setValue(1.0f - getValue());
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    if (parentFrame)
        parentFrame->endEdit(tag);
    return gui::kMouseEventHandled;
}

gui::CView* nSwitch::newCopy() const
{
    return nullptr;
}

void nSwitch::setLampDark(bool dark)
{
    // The lamp shows only while the switch is on; a switch turned on later
    // is redrawn for its new value anyway.
    const bool changed = lampDark.exchange(dark, std::memory_order_relaxed) != dark;
    if (changed && getValue() != 0.0f)
        setDirty(true);
}
