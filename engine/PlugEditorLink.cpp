// Where Plug meets its editor. There is no editor yet: the Pre and Fine words
// of the state block are written as 0.0, and a restored pair stays in the
// block.
#include "engine/Plug.h"

void Plug::notifyEditor(VstInt32, float) {}

void Plug::editorWritesChunkState()
{
    chunk.pre = 0.0f;
    chunk.fine = 0.0f;
}

void Plug::editorReadsChunkState() {}
