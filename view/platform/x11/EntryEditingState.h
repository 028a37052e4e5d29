// The editing state of the Linux text entry: a single line of UTF-8 text with
// a caret and a selection (both byte offsets on character boundaries) and a
// limit on the number of characters.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace gui {

class EntryEditingState {
public:
    EntryEditingState(const std::string& text, size_t maxCharacters);

    const std::string& text() const { return content; }
    size_t caret() const { return caretOffset; }
    size_t selectionStart() const { return std::min(caretOffset, anchorOffset); }
    size_t selectionEnd() const { return std::max(caretOffset, anchorOffset); }
    bool hasSelection() const { return caretOffset != anchorOffset; }

    void selectAll();
    // Replaces the selection by the character; refused when the text would
    // exceed the limit or the code point is not a printable character.
    bool insert(uint32_t codePoint);
    // Deletes the selection, else the character before (after) the caret.
    void backspace();
    void deleteForward();
    // Caret movement; with extend the selection grows from its anchor.
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void moveHome(bool extend);
    void moveEnd(bool extend);
    // Puts the caret at the character boundary at or before offset.
    void setCaret(size_t offset, bool extend);

private:
    void deleteSelection();
    size_t previousBoundary(size_t offset) const;
    size_t nextBoundary(size_t offset) const;
    size_t characterCount() const;

    std::string content;
    size_t maxCharacters;
    size_t caretOffset = 0;
    size_t anchorOffset = 0;
};

} // namespace gui
