// A copy of the block an instance saves now, for tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "engine/Plug.h"

namespace tolvo {

inline PlugChunk chunkFrom(Plug& plug)
{
    void* data = nullptr;
    EXPECT_EQ(plug.getChunk(&data, false), 56);
    PlugChunk copy;
    std::memcpy(&copy, data, sizeof(copy));
    return copy;
}

} // namespace tolvo
