#include "view/platform/win32/Win32TextEntry.h"

#include <vector>

#include "view/ModuleHandle.h"

namespace gui {

namespace {

const wchar_t kEntryProperty[] = L"TolvoTextEntry";

std::wstring wideOf(const char* text)
{
    if (!text || !*text)
        return std::wstring();
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(size_t(length) - 1);
    return wide;
}

std::string utf8Of(const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), int(wide.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string text(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), int(wide.size()), text.data(), length,
                            nullptr, nullptr);
    return text;
}

DWORD alignmentStyle(CHoriTxtAlign align)
{
    switch (align) {
    case kLeftText:
        return ES_LEFT;
    case kRightText:
        return ES_RIGHT;
    default:
        return ES_CENTER;
    }
}

COLORREF colorRefOf(const CColor& color)
{
    return RGB(color.red, color.green, color.blue);
}

} // namespace

Win32TextEntry::Win32TextEntry(HWND frameWindow, const Settings& settings, Listener& listener)
    : settings(settings), listener(listener), originalText(wideOf(settings.text))
{
    const CRect& rect = settings.rect;
    edit = CreateWindowExW(0, L"EDIT", originalText.c_str(),
                           WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | alignmentStyle(settings.align),
                           rect.left, rect.top, rect.width(), rect.height(), frameWindow, nullptr,
                           static_cast<HINSTANCE>(moduleHandle()), nullptr);
    if (!edit)
        return;
    SetPropW(edit, kEntryProperty, this);
    std::wstring face = wideOf(settings.fontName);
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    font = CreateFontW(settings.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_LIMITTEXT, kMaxCharacters, 0);
    originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc)));
    SetFocus(edit);
}

Win32TextEntry::~Win32TextEntry()
{
    closing = true;
    if (edit) {
        RemovePropW(edit, kEntryProperty);
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
        DestroyWindow(edit);
    }
    if (font)
        DeleteObject(font);
    if (brush)
        DeleteObject(brush);
}

Win32TextEntry* Win32TextEntry::fromEdit(HWND edit)
{
    return edit ? static_cast<Win32TextEntry*>(GetPropW(edit, kEntryProperty)) : nullptr;
}

// The whole text: the edit holds at most 255 characters, all of which come back.
std::string Win32TextEntry::getText() const
{
    if (!edit)
        return std::string();
    int length = GetWindowTextLengthW(edit);
    std::vector<wchar_t> buffer(size_t(length) + 1, L'\0');
    GetWindowTextW(edit, buffer.data(), length + 1);
    return utf8Of(std::wstring(buffer.data()));
}

HBRUSH Win32TextEntry::answerColourRequest(HDC device)
{
    SetTextColor(device, colorRefOf(settings.fontColor));
    SetBkColor(device, colorRefOf(settings.backColor));
    if (brush)
        DeleteObject(brush);
    brush = CreateSolidBrush(colorRefOf(settings.backColor));
    return brush;
}

LRESULT CALLBACK Win32TextEntry::editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Win32TextEntry* entry = fromEdit(hwnd);
    if (!entry)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return entry->handleMessage(message, wParam, lParam);
}

// A report to the listener is the last thing done here: the listener may
// destroy this entry.
LRESULT Win32TextEntry::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return CallWindowProcW(originalProc, edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            listener.onTextEntryReturn();
            return 0;
        }
        if (wParam == VK_ESCAPE) {
            SetWindowTextW(edit, originalText.c_str());
            listener.onTextEntryFocusLost();
            return 0;
        }
        break;
    case WM_CHAR:
        // Return and Escape were handled on key down; the edit would beep.
        if (wParam == L'\r' || wParam == 27)
            return 0;
        break;
    case WM_KILLFOCUS: {
        LRESULT result = CallWindowProcW(originalProc, edit, message, wParam, lParam);
        if (!closing)
            listener.onTextEntryFocusLost();
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(originalProc, edit, message, wParam, lParam);
}

} // namespace gui
