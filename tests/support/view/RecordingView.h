// A view that writes down every mouse and wheel call and every draw, so tests
// can check what the frame delivered and in which order.
#pragma once

#include <string>
#include <vector>

#include "view/CDrawContext.h"
#include "view/CView.h"

namespace tolvo {

struct ViewEvent {
    std::string view;
    std::string kind;
    gui::CPoint where;
    gui::CButtonState buttons;
    float distance;
};

class RecordingView : public gui::CView {
public:
    RecordingView(const gui::CRect& size, std::string name, std::vector<ViewEvent>& log,
                  gui::CColor color = gui::kWhiteCColor)
        : CView(size), name(std::move(name)), log(log), color(color)
    {}

    void draw(gui::CDrawContext* context) override
    {
        ++draws;
        context->setFillColor(color);
        context->drawRect(size, gui::kDrawFilled);
        setDirty(false);
    }

    gui::CMouseEventResult onMouseDown(const gui::CPoint& where, gui::CButtonState buttons) override
    {
        record("down", where, buttons);
        return downResult;
    }
    gui::CMouseEventResult onMouseUp(const gui::CPoint& where, gui::CButtonState buttons) override
    {
        record("up", where, buttons);
        return gui::kMouseEventHandled;
    }
    gui::CMouseEventResult onMouseMoved(const gui::CPoint& where,
                                        gui::CButtonState buttons) override
    {
        record("moved", where, buttons);
        return gui::kMouseEventHandled;
    }
    gui::CMouseEventResult onMouseEntered(const gui::CPoint& where,
                                          gui::CButtonState buttons) override
    {
        record("entered", where, buttons);
        return gui::kMouseEventHandled;
    }
    gui::CMouseEventResult onMouseExited(const gui::CPoint& where,
                                         gui::CButtonState buttons) override
    {
        record("exited", where, buttons);
        return gui::kMouseEventHandled;
    }
    bool onWheel(const gui::CPoint& where, float distance, gui::CButtonState buttons) override
    {
        record("wheel", where, buttons, distance);
        return true;
    }

    int draws = 0;
    gui::CMouseEventResult downResult = gui::kMouseEventHandled;

private:
    void record(const char* kind, const gui::CPoint& where, gui::CButtonState buttons,
                float distance = 0.0f)
    {
        log.push_back({name, kind, where, buttons, distance});
    }

    std::string name;
    std::vector<ViewEvent>& log;
    gui::CColor color;
};

} // namespace tolvo
