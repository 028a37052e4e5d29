#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "view/ModuleHandle.h"

namespace tolvo {

namespace {

// The handle is the load address of the object holding the code, which maps
// that object's ELF header; the code itself lies above it.
TEST(ModuleHandle, PointsAtTheLoadedImageHoldingTheCode)
{
    const void* handle = gui::moduleHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(std::memcmp(handle,
                          "\x7f"
                          "ELF",
                          4),
              0);
    EXPECT_GT(reinterpret_cast<uintptr_t>(&gui::moduleHandle), reinterpret_cast<uintptr_t>(handle));
}

} // namespace

} // namespace tolvo
