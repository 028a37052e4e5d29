// Linux: this definition of the double-click time takes the place of the
// window host's fixed one, and tests choose what it answers.
#include "tests/support/view/DoubleClickTiming.h"

#include <atomic>

#include "view/DoubleClickTime.h"

namespace {

constexpr int32_t kPlatformDoubleClickTime = 500;
std::atomic<int32_t> doubleClickTime{kPlatformDoubleClickTime};

} // namespace

int32_t gui::systemDoubleClickTime()
{
    return doubleClickTime.load();
}

int32_t tolvo::setDoubleClickTime(int32_t milliseconds)
{
    return doubleClickTime.exchange(milliseconds);
}
