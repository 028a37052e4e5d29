// The time within which the window system pairs two presses into a double
// click, set by a test for its own program: presses the test means as single
// ones then need no waiting, and a double click it means pairs however loaded
// the machine is. On Linux the source must be linked ahead of the core (it
// takes the place of the platform's time); on Windows it sets the session's.
#pragma once

#include <cstdint>

namespace tolvo {

// Sets the time; answers the one it replaces.
int32_t setDoubleClickTime(int32_t milliseconds);

// Keeps a chosen time for its own life and puts the old one back after.
class DoubleClickTimeScope {
public:
    explicit DoubleClickTimeScope(int32_t milliseconds) : saved(setDoubleClickTime(milliseconds)) {}
    ~DoubleClickTimeScope() { setDoubleClickTime(saved); }
    DoubleClickTimeScope(const DoubleClickTimeScope&) = delete;
    DoubleClickTimeScope& operator=(const DoubleClickTimeScope&) = delete;

private:
    int32_t saved;
};

} // namespace tolvo
