// The saved state of Plug: the 56-byte block the host stores and restores.
#include <cstring>

#include "engine/Plug.h"

namespace {

constexpr VstInt32 kChunkSize = sizeof(PlugChunk);

} // namespace

void Plug::editorWritesChunkState()
{
    chunk.pre = 0.0f;
    chunk.fine = 0.0f;
    if (editorLink)
        editorLink->writeChunkState(&chunk);
}

void Plug::editorReadsChunkState()
{
    if (editorLink)
        editorLink->readChunkState(&chunk);
}

VstInt32 Plug::getChunk(void** data, bool)
{
    if (!data)
        return 0;
    editorWritesChunkState();
    const SettingsWords words = settings.snapshot();
    std::memcpy(chunk.settings, words.data(), sizeof(chunk.settings));
    for (VstInt32 index = 0; index < kNumParams; ++index)
        chunk.values[index] = getParameter(index);
    *data = &chunk;
    return kChunkSize;
}

VstInt32 Plug::setChunk(void* data, VstInt32 byteSize, bool)
{
    if (byteSize != kChunkSize || !data)
        return 0;
    std::memcpy(&chunk, data, sizeof(chunk));
    if (isForeignByteOrder(chunk))
        reverseByteOrder(chunk);
    SettingsWords words{};
    std::memcpy(words.data(), chunk.settings, sizeof(chunk.settings));
    settings.assign(words);
    editorReadsChunkState();
    for (VstInt32 index = 0; index < kNumParams; ++index)
        setParameter(index, chunk.values[index]);
    return kChunkSize;
}
