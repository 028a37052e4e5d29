#include "editor/HostThreadBridge.h"

#include <thread>

#include "view/CControl.h"
#include "view/ThreadIdentity.h"

// The table and the in-flight counter use sequentially consistent order: a
// host thread raises the counter and then loads a pointer, close clears the
// pointers and then loads the counter, and one of the two must see the
// other's store. Pending flags are released after the engine stored the new
// value and acquired before the window thread reads it.

int HostThreadBridge::slotOf(int32_t tag)
{
    for (int slot = 0; slot < kNumSlots; ++slot)
        if (kBridgedTags[slot] == tag)
            return slot;
    return -1;
}

void HostThreadBridge::attach()
{
    windowThread.store(gui::currentThreadId(), std::memory_order_relaxed);
    for (std::atomic<bool>& flag : pending)
        flag.store(false, std::memory_order_relaxed);
}

void HostThreadBridge::publish(int32_t tag, gui::CControl* control)
{
    const int slot = slotOf(tag);
    if (slot >= 0)
        published[slot].store(control, std::memory_order_seq_cst);
}

void HostThreadBridge::withdraw()
{
    for (std::atomic<gui::CControl*>& control : published)
        control.store(nullptr, std::memory_order_seq_cst);
    while (inFlight.load(std::memory_order_seq_cst) != 0)
        std::this_thread::yield();
    windowThread.store(0, std::memory_order_relaxed);
}

bool HostThreadBridge::takePending(int32_t tag)
{
    const int slot = slotOf(tag);
    return slot >= 0 && pending[slot].exchange(false, std::memory_order_acquire);
}

bool HostThreadBridge::onWindowThread() const
{
    return windowThread.load(std::memory_order_relaxed) == gui::currentThreadId();
}

bool HostThreadBridge::setPublishedValue(int32_t tag, float value)
{
    const int slot = slotOf(tag);
    if (slot < 0)
        return false;
    inFlight.fetch_add(1, std::memory_order_seq_cst);
    gui::CControl* control = published[slot].load(std::memory_order_seq_cst);
    if (control) {
        control->setValue(value);
        control->setDirty(true);
    }
    inFlight.fetch_sub(1, std::memory_order_release);
    return control != nullptr;
}

float HostThreadBridge::publishedValue(int32_t tag) const
{
    const int slot = slotOf(tag);
    if (slot < 0)
        return editorLayout::kNoControl;
    inFlight.fetch_add(1, std::memory_order_seq_cst);
    const gui::CControl* control = published[slot].load(std::memory_order_seq_cst);
    const float value = control ? control->getValue() : editorLayout::kNoControl;
    inFlight.fetch_sub(1, std::memory_order_release);
    return value;
}

void HostThreadBridge::markPending(int32_t tag)
{
    const int slot = slotOf(tag);
    if (slot >= 0)
        pending[slot].store(true, std::memory_order_release);
}
