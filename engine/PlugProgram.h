// The instance's single program: a name and the five normalized values, which
// always mirror the parameters.
#pragma once

#include <atomic>

#include "engine/ParameterTable.h"

struct PlugProgram {
    char name[24];
    std::atomic<float> values[kNumParams];
};
