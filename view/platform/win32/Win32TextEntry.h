// The single-line text entry of a text field on Windows: an EDIT control over
// the field in the field's font face, without margins, with all text
// selected, a 255-character limit and the keyboard focus. Return reports to
// the listener; the loss of the focus reports too; Escape gives the text back
// as it was and ends like a focus loss. Colours come from the field through
// the frame window's colour request.
#pragma once

#include <string>
#include <windows.h>

#include "view/NativeTextEntry.h"

namespace gui {

class Win32TextEntry : public NativeTextEntry {
public:
    Win32TextEntry(HWND frameWindow, const Settings& settings, Listener& listener);
    ~Win32TextEntry() override;

    // The entry behind an edit window, or none.
    static Win32TextEntry* fromEdit(HWND edit);

    bool isOpen() const { return edit != nullptr; }
    std::string getText() const override;
    // Sets the edit's colours and answers the brush for its background.
    HBRUSH answerColourRequest(HDC device);

private:
    static LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND edit = nullptr;
    HFONT font = nullptr;
    HBRUSH brush = nullptr;
    WNDPROC originalProc = nullptr;
    Settings settings;
    Listener& listener;
    std::wstring originalText;
    bool closing = false;
};

} // namespace gui
