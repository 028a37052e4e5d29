// What the instance needs of an editor, whichever format built the two: news of
// a parameter change, and the editor's words of the state block.
#pragma once

#include <cstdint>

class Plug;
struct PlugChunk;

class EditorLink {
public:
    // [any thread] The parameter (or editor tag) now holds value. Stores and
    // marks only: never blocks, allocates or makes a system call.
    virtual void parameterChanged(int32_t index, float value) = 0;
    // [any thread] Writes the editor's words (Pre and Fine) into the block.
    // Returns 0.
    virtual int32_t writeChunkState(PlugChunk* chunk) = 0;
    // [any thread] Takes the editor's words from a restored block. Returns 0.
    virtual int32_t readChunkState(const PlugChunk* chunk) = 0;

protected:
    // The instance's host adapter owns and deletes the editor, not the link.
    ~EditorLink() = default;
};

// Creates the editor of a new instance, which attaches itself to it; null
// means the instance has no editor.
using EditorFactory = EditorLink* (*)(Plug* plug);
