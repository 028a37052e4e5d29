#pragma once

#include <cstddef>
#include <cstring>

namespace gui {

// Copies the longest start of a zero-terminated UTF-8 text that fits into
// capacity - 1 bytes without cutting a character in half, and terminates it.
inline void copyUtf8Prefix(char* destination, const char* source, size_t capacity)
{
    if (!destination || capacity == 0)
        return;
    if (!source)
        source = "";
    size_t length = strnlen(source, capacity);
    if (length == capacity) {
        length = capacity - 1;
        // A continuation byte just past the cut means the cut splits a character.
        while (length > 0 && (static_cast<unsigned char>(source[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memmove(destination, source, length);
    destination[length] = '\0';
}

} // namespace gui
