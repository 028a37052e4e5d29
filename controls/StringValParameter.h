#pragma once

#include <cstdint>

// The text side of the parameters, as the value fields reach it: a
// parameter's display text and typed-text entry, by control tag. The editor
// implements it over the engine.
//
// Threads: both operations are [UI]: value fields call them on the window
// thread.
class StringValParameter {
public:
    virtual ~StringValParameter() = default;
    // Writes the display text of the tag's parameter into text, a buffer of
    // 256 bytes.
    virtual void getStringValue(int32_t tag, char* text) = 0;
    // Sets the tag's parameter from a typed, zero-terminated text.
    virtual void setStringValue(int32_t tag, const char* text) = 0;
};
