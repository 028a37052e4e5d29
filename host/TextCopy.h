// Copies a zero-terminated text into a host buffer: at most capacity − 1
// characters and the terminator, nothing beyond. A null buffer is left alone.
#pragma once

#include <cstddef>

inline void copyText(char* destination, const char* source, size_t capacity)
{
    if (!destination || !source || capacity == 0)
        return;
    size_t length = 0;
    while (length + 1 < capacity && source[length] != '\0') {
        destination[length] = source[length];
        ++length;
    }
    destination[length] = '\0';
}
