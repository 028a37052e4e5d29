#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <windows.h>

#include "view/ModuleHandle.h"

namespace tolvo {

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

HINSTANCE fakeInstance(int n)
{
    return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x10000000 + n * 0x10000));
}

// A test program is no DLL, so the loader never calls the entry: the tests
// call it the way the loader calls the plug-in's.
TEST(ModuleHandle, DllEntryStoresTheHandleOfEveryNotificationAndAnswersTrue)
{
    const DWORD reasons[] = {DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH,
                             DLL_PROCESS_DETACH};
    int n = 1;
    for (DWORD reason : reasons) {
        HINSTANCE instance = fakeInstance(n++);
        EXPECT_EQ(DllMain(instance, reason, nullptr), TRUE) << "reason " << reason;
        EXPECT_EQ(gui::moduleHandle(), instance) << "reason " << reason;
    }
}

TEST(ModuleHandle, RealHandlePointsAtTheModuleImage)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    ASSERT_EQ(DllMain(self, DLL_PROCESS_ATTACH, nullptr), TRUE);
    const void* handle = gui::moduleHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(std::memcmp(handle, "MZ", 2), 0);
}

} // namespace

} // namespace tolvo
