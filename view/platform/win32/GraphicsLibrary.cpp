#include "view/platform/GraphicsLibrary.h"

#include <algorithm>

#include "view/platform/win32/GraphicsNatives.h"

namespace gui {

namespace {

uint32_t session = 0;
bool running = false;

} // namespace

uintptr_t startGraphicsLibrary()
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    running = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    ++session;
    return token;
}

void stopGraphicsLibrary(uintptr_t token)
{
    if (running)
        Gdiplus::GdiplusShutdown(token);
    running = false;
}

uint32_t graphicsSession()
{
    return session;
}

bool graphicsRunning()
{
    return running;
}

std::wstring toWide(const char* utf8, size_t maxLength)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(std::min(size_t(length - 1), maxLength));
    return wide;
}

} // namespace gui
