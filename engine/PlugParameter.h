// One parameter of an instance: its texts, the normalized value the host sees
// and the derived value in the unit the gain stage uses. Values are shared
// between the audio thread and the host's other threads.
#pragma once

#include <atomic>

struct PlugParameter {
    char name[32];
    char label[32];
    std::atomic<float> value{0.0f};
    std::atomic<float> derived{0.0f};
};
