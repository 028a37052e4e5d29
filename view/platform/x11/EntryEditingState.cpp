#include "view/platform/x11/EntryEditingState.h"

#include <algorithm>

namespace gui {

namespace {

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::string utf8Of(uint32_t codePoint)
{
    std::string bytes;
    if (codePoint < 0x80) {
        bytes += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        bytes += static_cast<char>(0xC0 | (codePoint >> 6));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        bytes += static_cast<char>(0xE0 | (codePoint >> 12));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (codePoint >> 18));
        bytes += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return bytes;
}

bool isPrintable(uint32_t codePoint)
{
    bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
    bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return !control && !surrogate && codePoint <= 0x10FFFF;
}

} // namespace

EntryEditingState::EntryEditingState(const std::string& text, size_t maxCharacters)
    : maxCharacters(maxCharacters)
{
    // Keep whole characters up to the limit.
    size_t count = 0;
    size_t end = 0;
    while (end < text.size() && count < maxCharacters) {
        ++end;
        while (end < text.size() && isContinuationByte(text[end]))
            ++end;
        ++count;
    }
    content = text.substr(0, end);
    caretOffset = anchorOffset = content.size();
}

void EntryEditingState::selectAll()
{
    anchorOffset = 0;
    caretOffset = content.size();
}

bool EntryEditingState::insert(uint32_t codePoint)
{
    if (!isPrintable(codePoint))
        return false;
    size_t selected = 0;
    for (size_t i = selectionStart(); i < selectionEnd(); ++i)
        selected += isContinuationByte(content[i]) ? 0 : 1;
    if (characterCount() - selected + 1 > maxCharacters)
        return false;
    deleteSelection();
    std::string bytes = utf8Of(codePoint);
    content.insert(caretOffset, bytes);
    caretOffset += bytes.size();
    anchorOffset = caretOffset;
    return true;
}

void EntryEditingState::backspace()
{
    if (!hasSelection())
        anchorOffset = previousBoundary(caretOffset);
    deleteSelection();
}

void EntryEditingState::deleteForward()
{
    if (!hasSelection())
        anchorOffset = nextBoundary(caretOffset);
    deleteSelection();
}

void EntryEditingState::moveLeft(bool extend)
{
    if (hasSelection() && !extend)
        setCaret(selectionStart(), false);
    else
        setCaret(previousBoundary(caretOffset), extend);
}

void EntryEditingState::moveRight(bool extend)
{
    if (hasSelection() && !extend)
        setCaret(selectionEnd(), false);
    else
        setCaret(nextBoundary(caretOffset), extend);
}

void EntryEditingState::moveHome(bool extend)
{
    setCaret(0, extend);
}

void EntryEditingState::moveEnd(bool extend)
{
    setCaret(content.size(), extend);
}

void EntryEditingState::setCaret(size_t offset, bool extend)
{
    offset = std::min(offset, content.size());
    while (offset > 0 && offset < content.size() && isContinuationByte(content[offset]))
        --offset;
    caretOffset = offset;
    if (!extend)
        anchorOffset = offset;
}

void EntryEditingState::deleteSelection()
{
    size_t start = selectionStart();
    content.erase(start, selectionEnd() - start);
    caretOffset = anchorOffset = start;
}

size_t EntryEditingState::previousBoundary(size_t offset) const
{
    if (offset == 0)
        return 0;
    --offset;
    while (offset > 0 && isContinuationByte(content[offset]))
        --offset;
    return offset;
}

size_t EntryEditingState::nextBoundary(size_t offset) const
{
    if (offset >= content.size())
        return content.size();
    ++offset;
    while (offset < content.size() && isContinuationByte(content[offset]))
        ++offset;
    return offset;
}

size_t EntryEditingState::characterCount() const
{
    return static_cast<size_t>(std::count_if(content.begin(), content.end(),
                                             [](char byte) { return !isContinuationByte(byte); }));
}

} // namespace gui
