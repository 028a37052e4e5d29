#pragma once

#include <atomic>

#include "view/CView.h"

namespace gui {

class CControlListener;

// A view that holds one value (normally 0..1), a tag and a listener. A user
// gesture is beginEdit, any number of valueChanged reports, endEdit.
//
// The value and the redraw marks may be set from the host's parameter thread
// while the window thread draws; they are single atomic scalars.
class CControl : public CView {
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = 0,
             CBitmap* background = nullptr);

    // CView operations this class overrides.
    void draw(CDrawContext* context) override = 0;
    bool isDirty() const override;
    // True makes the control differ from what was drawn last, even when its
    // value is -1; false records the value as drawn.
    void setDirty(bool state = true) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override = 0;

    // Operations of controls, in slot order.
    virtual void doIdleStuff();
    // Stores the value as given; bounceValue bounds it.
    virtual void setValue(float newValue);
    virtual float getValue() const;
    virtual void setMin(float newMin);
    virtual float getMin() const;
    virtual void setMax(float newMax);
    virtual float getMax() const;
    virtual void setOldValue(float newOldValue);
    virtual float getOldValue() const;
    virtual void setDefaultValue(float newDefault);
    virtual float getDefaultValue() const;
    virtual void bounceValue();
    // Ctrl with the left button, and nothing else, resets to the default.
    virtual bool checkDefaultValue(CButtonState buttons);
    virtual void setTag(int32_t newTag);
    virtual int32_t getTag() const;
    virtual void beginEdit();
    virtual void endEdit();
    virtual CControlListener* getListener() const;
    virtual void setListener(CControlListener* newListener);
    virtual void setBackOffset(const CPoint& offset);
    // Takes the control's own top-left corner as the back offset.
    virtual void copyBackOffset();
    virtual void setWheelInc(float increment);
    virtual float getWheelInc() const;

    const CPoint& getBackOffset() const { return backOffset; }

protected:
    CControl(const CControl& other);

    CControlListener* listener = nullptr;
    int32_t tag = 0;
    std::atomic<float> oldValue{1.0f};
    float defaultValue = 0.5f;
    std::atomic<float> value{0.0f};
    float vmin = 0.0f;
    float vmax = 1.0f;
    float wheelInc = 0.1f;
    int32_t lastTicks = -1;
    // The system's double-click time in milliseconds, at least 250.
    int32_t delta = 250;
    CPoint backOffset;
};

} // namespace gui
