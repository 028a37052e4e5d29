// Where Plug meets its editor: the engine declares these members and includes
// nothing of the editor; they are defined here, the one layer that knows both.
#include "editor/PlugEd.h"
#include "engine/Plug.h"

namespace {

PlugEd* plugEditor(AEffEditor* editor)
{
    return dynamic_cast<PlugEd*>(editor);
}

} // namespace

// The editor attaches itself to the instance and is deleted with it.
void Plug::createEditor()
{
    new PlugEd(this);
}

void Plug::notifyEditor(VstInt32 index, float value)
{
    if (PlugEd* plugEd = plugEditor(editor))
        plugEd->setParameter(index, value);
}

void Plug::editorWritesChunkState()
{
    chunk.pre = 0.0f;
    chunk.fine = 0.0f;
    if (PlugEd* plugEd = plugEditor(editor))
        plugEd->writeChunkState(&chunk);
}

void Plug::editorReadsChunkState()
{
    if (PlugEd* plugEd = plugEditor(editor))
        plugEd->readChunkState(&chunk);
}
