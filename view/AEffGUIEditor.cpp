#include "view/AEffGUIEditor.h"

#include <algorithm>

#include "view/CDrawContext.h"
#include "view/CFrame.h"
#include "view/TickCount.h"

namespace gui {

namespace {

// Shared by every editor of the module, as hosts set it for all at once.
int32_t knobMode = 0;

} // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffectX* effect)
    : AEffEditor(effect), lastTicks(systemTickCount()), instance(effect)
{
    if (effect)
        effect->setEditor(this);
}

AEffGUIEditor::~AEffGUIEditor()
{
    if (frame) {
        frame->forget();
        frame = nullptr;
    }
    if (retiredFrame)
        retiredFrame->forget();
}

void AEffGUIEditor::releaseFrame()
{
    CFrame* closing = frame;
    frame = nullptr;
    if (!closing)
        return;
    releaseRetiredFrame();
    if (closing->isDispatching() && !retiredFrame) {
        closing->setOpenFlag(false);
        retiredFrame = closing;
        return;
    }
    closing->forget();
}

void AEffGUIEditor::releaseRetiredFrame()
{
    if (retiredFrame && !retiredFrame->isDispatching()) {
        retiredFrame->forget();
        retiredFrame = nullptr;
    }
}

bool AEffGUIEditor::getRect(ERect** out)
{
    if (!out)
        return false;
    const PlatformWindow* window = frame ? frame->getPlatformWindow() : nullptr;
    const int32_t scale = window ? window->getScale()
                                 : PlatformWindow::chooseScale(rect.bottom - rect.top, hostScale);
    shownRect.top = static_cast<int16_t>(rect.top * scale);
    shownRect.left = static_cast<int16_t>(rect.left * scale);
    shownRect.bottom = static_cast<int16_t>(rect.bottom * scale);
    shownRect.right = static_cast<int16_t>(rect.right * scale);
    *out = &shownRect;
    return true;
}

bool AEffGUIEditor::open(void* window)
{
    releaseRetiredFrame();
    systemWindow = window;
    return false;
}

void AEffGUIEditor::close()
{
    releaseRetiredFrame();
    systemWindow = nullptr;
}

void AEffGUIEditor::idle()
{
    releaseRetiredFrame();
    if (frame && !inIdle)
        frame->idle();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& key)
{
    return frame && frame->onKeyDown(key) > 0;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& key)
{
    return frame && frame->onKeyUp(key) > 0;
}

bool AEffGUIEditor::onWheel(float)
{
    return false;
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode)
{
    knobMode = mode;
    return true;
}

void AEffGUIEditor::setParameter(VstInt32, float)
{}

void AEffGUIEditor::draw(ERect* area)
{
    if (!frame)
        return;
    CRect update = frame->getViewSize();
    if (area) {
        update = CRect(std::min(area->left, area->right), std::min(area->top, area->bottom),
                       std::max(area->left, area->right), std::max(area->top, area->bottom));
    }
    CDrawContext* context = frame->createDrawContext();
    frame->drawRect(context, update);
    context->forget();
}

void AEffGUIEditor::doIdleStuff()
{}

int32_t AEffGUIEditor::getKnobMode() const
{
    return knobMode;
}

void AEffGUIEditor::beginEdit(int32_t index)
{
    if (instance)
        instance->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32_t index)
{
    if (instance)
        instance->endEdit(index);
}

} // namespace gui
